// SPDX-License-Identifier: MIT
#include "naming/date_pattern.h"

#include <algorithm>
#include <array>

namespace km {

namespace {

struct DateField {
    QStringView token;
    // Where the field stands in "YYYY:MM:DD HH:MM:SS".
    qsizetype from;
};

constexpr std::array<DateField, 6> kDateFields{
    {{u"YYYY", 0}, {u"MM", 5}, {u"DD", 8}, {u"hh", 11}, {u"mm", 14}, {u"ss", 17}}};

bool isDateSeparator(QChar c) {
    return c == u'-' || c == u'_' || c == u'.' || c == u' ';
}

} // namespace

DatePattern::DatePattern(DateInNames choice) {
    parse(choice == DateInNames::DateTime ? kDefaultDateTimePattern : kDefaultDatePattern);
}

std::optional<DatePattern> DatePattern::read(QStringView text) {
    DatePattern pattern(DateInNames::Date);
    if (!pattern.parse(text))
        return std::nullopt;
    return pattern;
}

bool DatePattern::parse(QStringView text) {
    m_text.clear();
    m_fields.clear();
    m_keyFields.clear();
    if (text.size() > kMaxLength)
        return false;
    qsizetype at = 0;
    while (at < text.size()) {
        const QStringView rest = text.sliced(at);
        const auto field =
            std::find_if(kDateFields.begin(), kDateFields.end(),
                         [rest](const DateField& each) { return rest.startsWith(each.token); });
        if (field != kDateFields.end()) {
            m_fields.push_back({at, field->from, field->token.size()});
            at += field->token.size();
        } else if (isDateSeparator(text[at])) {
            ++at;
        } else {
            return false;
        }
    }
    m_text = text.toString();
    for (const DateField& field : kDateFields)
        if (text.contains(field.token))
            m_keyFields.push_back({0, field.from, field.token.size()});
    return !m_fields.empty();
}

bool isDatePattern(QStringView text) {
    return DatePattern::read(text).has_value();
}

} // namespace km
