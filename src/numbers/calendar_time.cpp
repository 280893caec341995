// SPDX-License-Identifier: MIT
#include "numbers/calendar_time.h"

namespace km {

namespace {

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

std::optional<CalendarTime> validCalendarTime(int year, int month, int day, int hour, int minute,
                                              int second) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return std::nullopt;
    return CalendarTime{year, month, day, hour, minute, second};
}

} // namespace km
