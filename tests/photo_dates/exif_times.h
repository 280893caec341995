// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QString>

// Times written as EXIF writes them, for tests that read them from photos.
namespace km::testing {

inline CalendarTime exifTime(const QString& text) {
    return readExifTime(text).value();
}

inline DateTaken taken(const QString& text, const QString& subSeconds) {
    return DateTaken{exifTime(text), subSeconds};
}

inline QString exifText(const CalendarTime& time) {
    return QStringLiteral("%1:%2:%3 %4:%5:%6")
        .arg(time.year, 4, 10, QLatin1Char('0'))
        .arg(time.month, 2, 10, QLatin1Char('0'))
        .arg(time.day, 2, 10, QLatin1Char('0'))
        .arg(time.hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute, 2, 10, QLatin1Char('0'))
        .arg(time.second, 2, 10, QLatin1Char('0'));
}

} // namespace km::testing
