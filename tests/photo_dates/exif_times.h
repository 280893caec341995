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
    QString text = calendarTimeText(time);
    text[4] = text[7] = u':';
    return text;
}

} // namespace km::testing
