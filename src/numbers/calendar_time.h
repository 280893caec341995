// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <compare>
#include <optional>
#include <vector>

namespace km {

// A day and a time of day as a camera's clock tells them: no zone, whole seconds.
struct CalendarTime {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Orders by time.
    auto operator<=>(const CalendarTime&) const = default;

    // The digits YYYYMMDDhhmmss as one number, which orders as the time does.
    qint64 digits() const {
        return ((((qint64(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 +
               second;
    }
};

// The time of each row of a list, nothing where it has none.
using RowTimes = std::vector<std::optional<CalendarTime>>;

// The time when it names a real day (year 1 to 9999) and time of day.
std::optional<CalendarTime> validCalendarTime(int year, int month, int day, int hour, int minute,
                                              int second);

// The time as people read it, "2024-07-01 09:00:00".
QString calendarTimeText(const CalendarTime& time);
// A time typed so, spaces around it ignored; nothing where it is no real time.
std::optional<CalendarTime> readCalendarTimeText(QStringView text);

// The seconds from 1970-01-01 00:00:00 to the time, both read on one clock (negative before).
qint64 secondsSince1970(const CalendarTime& time);
// The time that many seconds after 1970-01-01 00:00:00; nothing outside the years 1 to 9999.
std::optional<CalendarTime> calendarTimeAt(qint64 secondsSince1970);

} // namespace km
