// SPDX-License-Identifier: MIT
#pragma once

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
// Windows share refuses. It is written from a date taken stamp ("YYYY:MM:DD HH:MM:SS").
class DatePattern {
public:
    // The default pattern of the choice (YYYY-MM-DD for None and Date).
    explicit DatePattern(DateInNames choice = DateInNames::Date);

    // The pattern text; nothing when it holds anything else than fields and separators, holds no
    // field, or is longer than kMaxLength.
    static std::optional<DatePattern> read(QStringView text);

    // Writes the date text of a valid stamp at out, textLength() characters: the pattern with
    // each field's digits copied over it, as every field is as long as its digits. Returns the
    // end of the text.
    QChar* writeTo(QChar* out, QStringView stamp) const {
        std::copy_n(m_text.constData(), m_text.size(), out);
        for (const Field& field : m_fields)
            std::copy_n(stamp.data() + field.from, field.length, out + field.at);
        return out + m_text.size();
    }
    QString textOf(QStringView stamp) const {
        QString text(m_text.size(), Qt::Uninitialized);
        writeTo(text.data(), stamp);
        return text;
    }
    qsizetype textLength() const { return m_text.size(); }
    // A number that two valid stamps share exactly when their date texts are the same.
    qint64 key(QStringView stamp) const {
        qint64 key = 0;
        for (const Field& field : m_keyFields)
            for (const QChar digit : stamp.sliced(field.from, field.length))
                key = key * 10 + (digit.unicode() - u'0');
        return key;
    }

    static constexpr qsizetype kMaxLength = 64;

private:
    // A field: its place in the pattern, and in the stamp.
    struct Field {
        qsizetype at = 0;
        qsizetype from = 0;
        qsizetype length = 0;
    };

    bool parse(QStringView text);

    QString m_text;
    std::vector<Field> m_fields;
    // Each field of the pattern once, in the order of the stamp: at most its 14 digits.
    std::vector<Field> m_keyFields;
};

// True when text is a date pattern DatePattern::read accepts.
bool isDatePattern(QStringView text);

} // namespace km
