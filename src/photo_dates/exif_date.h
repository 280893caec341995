// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QByteArray>
#include <optional>

class QIODevice;

namespace km {

// When the JPEG photo on the device (read from its current position) was taken: the EXIF
// DateTimeOriginal with SubSecTimeOriginal, else DateTimeDigitized with SubSecTimeDigitized.
// Only the segments before the first EXIF segment and that segment are read, never the picture.
// Nothing when the device holds no JPEG, no EXIF segment, no valid date there or damaged data.
// The date of the last edit (IFD0 DateTime) is never taken for it.
std::optional<DateTaken> readDateTaken(QIODevice& jpeg);

// The same from a JPEG file's bytes (the head of the file is enough).
std::optional<DateTaken> readDateTaken(const QByteArray& jpeg);

} // namespace km
