// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QByteArray>
#include <optional>

class QIODevice;

namespace km {

// When the photo on the device (read from its current position) was taken: the EXIF
// DateTimeOriginal with SubSecTimeOriginal, else DateTimeDigitized with SubSecTimeDigitized.
// A JPEG's EXIF segment, a PNG's eXIf chunk, a WebP's EXIF chunk, a HEIF or AVIF file's Exif item,
// a TIFF file's own tags (RAW photos built on TIFF included), a CR3 file's metadata boxes and the
// EXIF segment of the JPEG a RAF file holds are read alike; of a JPEG only the segments before the
// first EXIF segment and that segment are read, and never the picture of any file. Nothing when the
// device holds none of these, no EXIF data, no valid date there or damaged data. The date of the
// last edit (IFD0 DateTime) and the file's own times are never taken for it.
std::optional<DateTaken> readDateTaken(QIODevice& photo);

// The date taken as readDateTaken reads it, and in the same read the camera's EXIF Make and
// Model, the lens's LensModel and the BodySerialNumber.
PhotoFacts readPhotoFacts(QIODevice& photo, FactsWanted wanted = FactsWanted::DatesAndCameras);

// The date from a JPEG file's bytes (the head of the file is enough).
std::optional<DateTaken> readDateTaken(const QByteArray& jpeg);

} // namespace km
