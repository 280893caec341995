// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QStringView>
#include <optional>

namespace km {

// The date and time phones and messengers write into the names of the photos whose EXIF data they
// strip, read from the name alone: "IMG_20230101_123456", "PXL_20230101_123456789" (the
// milliseconds kept as sub-seconds), "VID_20230101_123456", "Screenshot_2023-01-01-12-34-56",
// "Screenshot 2023-01-01 at 12.34.56", "signal-2023-01-01-123456", "2023-01-01 12.34.56", and
// WhatsApp's "IMG-20230101-WA0001" (the day only, at midnight, its number ordering the photos of
// the day as sub-seconds). Nothing where the name holds none of these, or a day or time that
// cannot be (month 13, 30 February, 24:00).
std::optional<DateTaken> dateFromName(QStringView name);

} // namespace km
