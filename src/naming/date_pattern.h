// SPDX-License-Identifier: MIT
#pragma once

#include "numbers/calendar_time.h"

#include <QString>
#include <QStringView>
#include <algorithm>
#include <optional>
#include <vector>

namespace km {

// Whether the date a photo was taken goes into its new name, and how much of it.
enum class DateInNames { None, Date, DateTime };

// How photos are numbered while a date is in their names: on through the list, from the start
// again for each date text, or only where photos share a date text.
enum class DateNumbering { Run, Restart, Shared };

inline constexpr QStringView kDefaultDatePattern = u"YYYY-MM-DD";
inline constexpr QStringView kDefaultDateTimePattern = u"YYYY-MM-DD_hh-mm-ss";

// A pattern for the date text of a name, made of the fields YYYY MM DD hh mm ss and the
// separators "-", "_", "." and space, so that no name gets a character a memory card or a
// Windows share refuses. It is written from the time a photo was taken.
class DatePattern {
public:
    // The default pattern of the choice (YYYY-MM-DD for None and Date).
    explicit DatePattern(DateInNames choice = DateInNames::Date);

    // The pattern text; nothing when it holds anything else than fields and separators, holds no
    // field, or is longer than kMaxLength.
    static std::optional<DatePattern> read(QStringView text);
    // Where read finds the text wrong: the place of the first character that is no field or
    // separator (kMaxLength for a text too long, its length for a text without a field); -1 when
    // it is a pattern.
    static qsizetype faultAt(QStringView text);

    // Writes the date text of a time at out, textLength() characters: the pattern with each
    // field's digits written over it, as every field is as long as its digits. Returns the end
    // of the text.
    QChar* writeTo(QChar* out, const CalendarTime& time) const {
        std::copy_n(m_text.constData(), m_text.size(), out);
        for (const Field& field : m_fields) {
            int value = time.*field.part;
            for (qsizetype i = field.length - 1; i >= 0; --i, value /= 10)
                out[field.at + i] = QChar(u'0' + value % 10);
        }
        return out + m_text.size();
    }
    QString textOf(const CalendarTime& time) const {
        QString text(m_text.size(), Qt::Uninitialized);
        writeTo(text.data(), time);
        return text;
    }
    qsizetype textLength() const { return m_text.size(); }
    // A number that two times share exactly when their date texts are the same.
    qint64 key(const CalendarTime& time) const {
        qint64 key = 0;
        for (const Field& field : m_keyFields)
            key = key * field.scale + time.*field.part;
        return key;
    }

    static constexpr qsizetype kMaxLength = 64;

private:
    // A field: its place in the pattern, the part of the time it shows in `length` digits, and
    // 10 to the power of length.
    struct Field {
        qsizetype at = 0;
        int CalendarTime::*part = &CalendarTime::year;
        qsizetype length = 0;
        qint64 scale = 1;
    };

    // -1, or where the text is wrong as faultAt tells.
    qsizetype parse(QStringView text);

    QString m_text;
    std::vector<Field> m_fields;
    // Each field of the pattern once, from the year on: at most 14 digits.
    std::vector<Field> m_keyFields;
};

// True when text is a date pattern DatePattern::read accepts.
bool isDatePattern(QStringView text);

} // namespace km
