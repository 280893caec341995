// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
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

    // Appends the date text of a valid stamp to out.
    void appendTo(QString& out, QStringView stamp) const {
        for (const Part& part : m_parts) {
            if (part.length == 0)
                out.append(part.separator);
            else
                out.append(stamp.sliced(part.from, part.length));
        }
    }
    qsizetype textLength() const { return m_textLength; }
    // A number that two valid stamps share exactly when their date texts are the same.
    qint64 key(QStringView stamp) const {
        qint64 key = 0;
        for (const Part& field : m_keyFields)
            for (const QChar digit : stamp.sliced(field.from, field.length))
                key = key * 10 + (digit.unicode() - u'0');
        return key;
    }

    static constexpr qsizetype kMaxLength = 64;

private:
    // A field copied from the stamp (length > 0), or one separator character.
    struct Part {
        qsizetype from = 0;
        qsizetype length = 0;
        QChar separator;
    };

    bool parse(QStringView text);

    std::vector<Part> m_parts;
    // Each field of the pattern once, in the order of the stamp: at most its 14 digits.
    std::vector<Part> m_keyFields;
    qsizetype m_textLength = 0;
};

// True when text is a date pattern DatePattern::read accepts.
bool isDatePattern(QStringView text);

} // namespace km
