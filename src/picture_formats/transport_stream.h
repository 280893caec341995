// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

class QIODevice;

namespace km {

// True when the bytes start an MPEG transport stream: packets of 188 bytes, or of 192 with a time
// code before each, as AVCHD cameras write their ".MTS" files.
bool isTransportStream(const QByteArray& head);

// The start of the video stream of the transport stream on the device: the payloads of the
// packets of the first video stream's identifier, joined, up to `longest` bytes of them, read from
// at most the first 4 MB of the file. Empty when the device holds no transport stream.
QByteArray transportStreamVideo(QIODevice& device, qsizetype longest);

} // namespace km
