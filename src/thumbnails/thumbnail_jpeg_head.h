// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class QIODevice;

namespace km {

// Reads a JPEG file's markers and segments from the device's current position up to its first
// scan, without the compressed picture: what its size and metadata are read from. Stops early at
// damage or beyond a few megabytes; empty when the device holds no JPEG.
// progressive, when given, tells whether the frame found is coded progressively.
QByteArray readJpegHead(QIODevice& device, bool* progressive = nullptr);

} // namespace km
