// SPDX-License-Identifier: MIT
#include "numbers/calendar_time.h"

namespace km {

namespace {

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

constexpr qint64 kSecondsPerDay = 86'400;

// The days from 1970-01-01 to the day of the proleptic Gregorian calendar, counted in eras of
// 400 years (146,097 days), which repeat exactly.
qint64 daysSince1970(int year, int month, int day) {
    const qint64 y = month <= 2 ? year - 1 : year;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yearOfEra = y - era * 400;
    // Days since March 1st, so that the leap day ends the year.
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

} // namespace

QString calendarTimeText(const CalendarTime& time) {
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(time.year, 4, 10, QLatin1Char('0'))
        .arg(time.month, 2, 10, QLatin1Char('0'))
        .arg(time.day, 2, 10, QLatin1Char('0'))
        .arg(time.hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute, 2, 10, QLatin1Char('0'))
        .arg(time.second, 2, 10, QLatin1Char('0'));
}

std::optional<CalendarTime> readCalendarTimeText(QStringView text) {
    text = text.trimmed();
    if (text.size() != 19 || text[4] != u'-' || text[7] != u'-' || text[10] != u' ' ||
        text[13] != u':' || text[16] != u':')
        return std::nullopt;
    int fields[6] = {};
    const qsizetype starts[6] = {0, 5, 8, 11, 14, 17};
    for (int field = 0; field < 6; ++field) {
        const qsizetype length = field == 0 ? 4 : 2;
        for (const QChar c : text.sliced(starts[field], length)) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            fields[field] = fields[field] * 10 + (c.unicode() - u'0');
        }
    }
    return validCalendarTime(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
}

qint64 secondsSince1970(const CalendarTime& time) {
    return daysSince1970(time.year, time.month, time.day) * kSecondsPerDay + time.hour * 3600 +
           time.minute * 60 + time.second;
}

std::optional<CalendarTime> calendarTimeAt(qint64 secondsSince1970) {
    // Years 1 to 9999 lie well within these days.
    constexpr qint64 kFirstDay = -719'162;
    constexpr qint64 kLastDay = 2'932'896;
    qint64 days = secondsSince1970 / kSecondsPerDay;
    qint64 seconds = secondsSince1970 % kSecondsPerDay;
    if (seconds < 0) {
        seconds += kSecondsPerDay;
        --days;
    }
    if (days < kFirstDay || days > kLastDay)
        return std::nullopt;
    const qint64 shifted = days + 719'468;
    const qint64 era = (shifted >= 0 ? shifted : shifted - 146'096) / 146'097;
    const qint64 dayOfEra = shifted - era * 146'097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return validCalendarTime(year, month, day, static_cast<int>(seconds / 3600),
                             static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
}

std::optional<CalendarTime> validCalendarTime(int year, int month, int day, int hour, int minute,
                                              int second) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return std::nullopt;
    return CalendarTime{year, month, day, hour, minute, second};
}

} // namespace km
