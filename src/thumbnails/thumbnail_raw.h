// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <vector>

class QFile;

namespace km {

enum class PictureFormat;

// What a RAW photo offers for a preview: the JPEGs it embeds, as stored, and its EXIF orientation,
// which turns them as it turns the photo.
struct RawPreviews {
    int orientation = 1;
    std::vector<QByteArray> previews;
};

// The previews of the RAW photo in file, of the format its first bytes give: through exiv2 for the
// formats built on TIFF (maker-note previews included), from the file's own layout for CR3 and
// RAF. Only the metadata and the previews are read, never the sensor data. None for other formats
// or damage.
RawPreviews readRawPreviews(QFile& file, PictureFormat format);

} // namespace km
