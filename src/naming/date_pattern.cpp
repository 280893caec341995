// SPDX-License-Identifier: MIT
#include "naming/date_pattern.h"

#include <algorithm>
#include <array>

namespace km {

namespace {

struct DateField {
    QStringView token;
    int CalendarTime::*part;
    qint64 scale;
};

// From the year on, as the time orders.
constexpr std::array<DateField, 6> kDateFields{{{u"YYYY", &CalendarTime::year, 10000},
                                                {u"MM", &CalendarTime::month, 100},
                                                {u"DD", &CalendarTime::day, 100},
                                                {u"hh", &CalendarTime::hour, 100},
                                                {u"mm", &CalendarTime::minute, 100},
                                                {u"ss", &CalendarTime::second, 100}}};

bool isDateSeparator(QChar c) {
    return c == u'-' || c == u'_' || c == u'.' || c == u' ';
}

} // namespace

DatePattern::DatePattern(DateInNames choice) {
    parse(choice == DateInNames::DateTime ? kDefaultDateTimePattern : kDefaultDatePattern);
}

std::optional<DatePattern> DatePattern::read(QStringView text) {
    DatePattern pattern(DateInNames::Date);
    if (pattern.parse(text) >= 0)
        return std::nullopt;
    return pattern;
}

qsizetype DatePattern::faultAt(QStringView text) {
    return DatePattern(DateInNames::Date).parse(text);
}

qsizetype DatePattern::parse(QStringView text) {
    m_text.clear();
    m_fields.clear();
    m_keyFields.clear();
    if (text.size() > kMaxLength)
        return kMaxLength;
    qsizetype at = 0;
    while (at < text.size()) {
        const QStringView rest = text.sliced(at);
        const auto field =
            std::find_if(kDateFields.begin(), kDateFields.end(),
                         [rest](const DateField& each) { return rest.startsWith(each.token); });
        if (field != kDateFields.end()) {
            m_fields.push_back({at, field->part, field->token.size(), field->scale});
            at += field->token.size();
        } else if (isDateSeparator(text[at])) {
            ++at;
        } else {
            return at;
        }
    }
    m_text = text.toString();
    for (const DateField& field : kDateFields)
        if (text.contains(field.token))
            m_keyFields.push_back({0, field.part, field.token.size(), field.scale});
    return m_fields.empty() ? text.size() : -1;
}

bool isDatePattern(QStringView text) {
    return DatePattern::read(text).has_value();
}

} // namespace km
