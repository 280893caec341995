// SPDX-License-Identifier: MIT
#pragma once

#include "picture_formats/picture_format.h"

#include <QtGlobal>
#include <optional>

class QIODevice;

namespace km {

// Where a file keeps its EXIF data, a TIFF structure: [start, start + length) of the device.
struct ExifPlace {
    qint64 start = 0;
    qint64 length = 0;
};

// The EXIF data of a TIFF file (the file itself), a PNG file (its eXIf chunk) or a WebP file (its
// EXIF chunk), the file starting at the device's current position. Only the headers of the
// chunks before it are read. Nothing for other formats, a file without EXIF or a damaged one.
std::optional<ExifPlace> findExif(QIODevice& device, PictureFormat format);

} // namespace km
