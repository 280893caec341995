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

// The date the shape finds at text[at], if the text follows it there.
std::optional<DateTaken> readShape(QStringView text, qsizetype at, QStringView shape) {
    if (at + shape.size() > text.size())
        return std::nullopt;
    int fields[128] = {};
    QString fraction;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const QChar want = shape[i];
        const QChar got = text[at + i];
        const bool field = QStringView(u"YMDhmsfn").contains(want);
        if (!field) {
            if (got != want)
                return std::nullopt;
            continue;
        }
        if (!isDigit(got))
            return std::nullopt;
        if (want == u'f' || want == u'n')
            fraction += got;
        else
            fields[want.unicode()] = fields[want.unicode()] * 10 + (got.unicode() - u'0');
    }
    const std::optional<CalendarTime> time = validCalendarTime(
        fields['Y'], fields['M'], fields['D'], fields['h'], fields['m'], fields['s']);
    if (!time)
        return std::nullopt;
    return DateTaken{*time, fraction};
}

} // namespace

std::optional<DateTaken> dateFromName(QStringView name) {
    for (qsizetype at = 0; at < name.size(); ++at) {
        // A date starts where a number does, not in the middle of one.
        if (!isDigit(name[at]) || (at > 0 && isDigit(name[at - 1])))
            continue;
        for (const QStringView shape : kShapes) {
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
