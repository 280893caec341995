// SPDX-License-Identifier: MIT
#include "photo_dates/name_dates.h"

#include <array>

namespace km {
namespace {

// The shapes of the names, a character each: Y M D h m s digits of the date and time, f digits of
// the milliseconds, n digits of WhatsApp's number, anything else itself.
constexpr std::array kShapes{
    QStringView(u"YYYYMMDD_hhmmssfff"),  QStringView(u"YYYYMMDD_hhmmss"),
    QStringView(u"YYYY-MM-DD-hh-mm-ss"), QStringView(u"YYYY-MM-DD at hh.mm.ss"),
    QStringView(u"YYYY-MM-DD-hhmmss"),   QStringView(u"YYYYMMDD-WAnnnn"),
    QStringView(u"YYYY-MM-DD hh.mm.ss"),
};

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Where a digit of the shape's character goes; null for the digits kept as the fraction and for
// the characters that stand for themselves.
int* fieldOf(CalendarTime& fields, char16_t shape) {
    switch (shape) {
    case u'Y':
        return &fields.year;
    case u'M':
        return &fields.month;
    case u'D':
        return &fields.day;
    case u'h':
        return &fields.hour;
    case u'm':
        return &fields.minute;
    case u's':
        return &fields.second;
    default:
        return nullptr;
    }
}

// The date the shape finds at text[at], if the text follows it there.
std::optional<DateTaken> readShape(QStringView text, qsizetype at, QStringView shape) {
    if (at + shape.size() > text.size())
        return std::nullopt;
    CalendarTime fields{0, 0, 0, 0, 0, 0};
    qsizetype fractionStart = -1;
    qsizetype fractionLength = 0;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const char16_t want = shape[i].unicode();
        const QChar got = text[at + i];
        const bool fraction = want == u'f' || want == u'n';
        int* const field = fieldOf(fields, want);
        if (!field && !fraction) {
            if (got != want)
                return std::nullopt;
            continue;
        }
        if (!isDigit(got))
            return std::nullopt;
        if (field) {
            *field = *field * 10 + (got.unicode() - u'0');
        } else {
            if (fractionStart < 0)
                fractionStart = at + i;
            ++fractionLength;
        }
    }
    const std::optional<CalendarTime> time = validCalendarTime(
        fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second);
    if (!time)
        return std::nullopt;
    return DateTaken{*time, fractionStart < 0
                                ? QString()
                                : text.sliced(fractionStart, fractionLength).toString()};
}

} // namespace

std::optional<DateTaken> dateFromName(QStringView name) {
    for (qsizetype at = 0; at < name.size(); ++at) {
        // A date starts where a number does, not in the middle of one.
        if (!isDigit(name[at]) || (at > 0 && isDigit(name[at - 1])))
            continue;
        // Every shape starts with a year of four digits and then says how it goes on.
        if (at + 5 > name.size() || !isDigit(name[at + 1]) || !isDigit(name[at + 2]) ||
            !isDigit(name[at + 3]))
            continue;
        for (const QStringView shape : kShapes) {
            if (name[at + 4] != shape[4] && !(isDigit(name[at + 4]) && shape[4] == u'M'))
                continue;
            const qsizetype end = at + shape.size();
            if (end < name.size() && isDigit(name[end]))
                continue;
            if (const std::optional<DateTaken> date = readShape(name, at, shape))
                return date;
        }
    }
    return std::nullopt;
}

} // namespace km
