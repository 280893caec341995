#pragma once

#include <QByteArray>
#include <QString>

namespace km {

// What a photo's EXIF block says about showing it: how it is turned and its embedded preview.
struct ExifFacts {
    int orientation = 1;  // EXIF orientation 1 to 8; 1 when absent or out of range
    QByteArray thumbnail; // the embedded JPEG thumbnail, empty when there is none
};

// Reads the EXIF block of a file; a file without one, or one that cannot be read, gives the
// defaults. Never throws and never writes to the console.
ExifFacts readExifFacts(const QString& path) noexcept;

} // namespace km
