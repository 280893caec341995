#pragma once

#include <QByteArray>
#include <vector>

namespace km {

// What a photo's metadata says about showing it: how it is turned and the previews it carries.
struct ExifFacts {
    int orientation = 1;              // EXIF orientation 1 to 8; 1 when absent or out of range
    std::vector<QByteArray> previews; // the embedded JPEG previews and thumbnails, as stored
};

// Reads the metadata of a JPEG file from its head (see readJpegHead); a head without metadata,
// or one that cannot be read, gives the defaults. Never throws and never writes to the console.
ExifFacts readExifFacts(const QByteArray& jpegHead) noexcept;

} // namespace km
