// SPDX-License-Identifier: MIT
#pragma once

#include "picture_formats/picture_format.h"

#include <QByteArray>
#include <QtGlobal>
#include <optional>

class QIODevice;

namespace km {

// Where a file keeps its EXIF data, a TIFF structure: [start, start + length) of the device, or,
// where the file holds it written as text, the structure itself.
struct ExifPlace {
    qint64 start = 0;
    qint64 length = 0;
    // The TIFF structure decoded from a text chunk; empty where it lies on the device.
    QByteArray decoded = {};
};

// The EXIF data of a TIFF file (the file itself), a PNG file (its eXIf chunk, else a text chunk
// "Raw profile type exif" or "... APP1" in hexadecimal, as ImageMagick and older tools write it,
// compressed or not) or a WebP file (its EXIF chunk), the file starting at the device's current
// position. Only the headers of the chunks before it are read, and text chunks of a bounded
// size. Nothing for other formats, a file without EXIF or a damaged one.
std::optional<ExifPlace> findExif(QIODevice& device, PictureFormat format);

} // namespace km
