// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSize>
#include <vector>

namespace km {

// What a photo's head says about showing it: its size, how it is turned and its previews.
struct ExifFacts {
    QSize storedSize;                 // from the frame header, as stored; empty when not found
    int orientation = 1;              // EXIF orientation 1 to 8; 1 when absent or out of range
    std::vector<QByteArray> previews; // the embedded JPEG previews and thumbnails, as stored
};

// Reads the metadata of a JPEG file from its head (see readJpegHead); a head without metadata,
// or one that cannot be read, gives the defaults. Never throws and never writes to the console.
ExifFacts readExifFacts(const QByteArray& jpegHead) noexcept;

// The same for a whole file in memory, of any type exiv2 reads (such as a RAW photo built on
// TIFF, whose previews lie anywhere in the file); the bytes are read in place, never copied.
ExifFacts readExifFacts(const uchar* file, qint64 size) noexcept;

} // namespace km
