// SPDX-License-Identifier: MIT
#pragma once

#include "naming/naming.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

// The parts every new name is built from, shared by the names with and without a date.
namespace km::name_parts {

// The digit count rounded for padding and cutting; nothing when negative, not finite or above
// kMaxDigitCount.
inline std::optional<int> paddingWidth(double digits) {
    const std::optional<qint32> width = roundToInt32(digits);
    if (!width || *width < 0 || *width > kMaxDigitCount)
        return std::nullopt;
    return *width;
}

// True when the largest number is at least 1 and 10 to the power digits (unrounded) exceeds it.
inline bool numbersFit(int largestNumber, double digits) {
    return largestNumber >= 1 && std::pow(10.0, digits) > largestNumber;
}

// The text writeNumber gives, written without a heap allocation for whole numbers, which are
// what counting gives.
class NumberText {
public:
    explicit NumberText(double value) {
        if (value == std::trunc(value) && std::fabs(value) < 1e15) {
            // Also turns -0 into "0", as writeNumber does.
            const auto result =
                std::to_chars(m_digits.begin(), m_digits.end(), static_cast<long long>(value));
            m_view = QLatin1StringView(m_digits.data(), result.ptr - m_digits.data());
        } else {
            m_other = writeNumber(value);
        }
    }

    qsizetype size() const { return m_other.isNull() ? m_view.size() : m_other.size(); }

    void appendLast(QString& out, qsizetype count) const {
        if (m_other.isNull())
            out.append(m_view.last(count));
        else
            out.append(QStringView(m_other).last(count));
    }

    // Writes the last count characters at out; returns the end of what it wrote.
    QChar* writeLast(QChar* out, qsizetype count) const {
        if (m_other.isNull())
            return std::transform(m_view.end() - count, m_view.end(), out,
                                  [](char c) { return QChar(QLatin1Char(c)); });
        return std::copy_n(m_other.constData() + m_other.size() - count, count, out);
    }

private:
    std::array<char, 24> m_digits{};
    QLatin1StringView m_view;
    QString m_other;
};

// The number part goes straight into out, so each name is built in one buffer.
inline void appendNumberPart(QString& out, double value, int width) {
    if (width <= 0)
        return;
    const NumberText text(value);
    const qsizetype missing = width - text.size();
    if (missing > 0)
        out.resize(out.size() + missing, QLatin1Char('0'));
    text.appendLast(out, std::min<qsizetype>(width, text.size()));
}

// The same written at out, exactly width characters; returns their end.
inline QChar* writeNumberPart(QChar* out, double value, int width) {
    if (width <= 0)
        return out;
    const NumberText text(value);
    const qsizetype missing = width - text.size();
    if (missing > 0)
        out = std::fill_n(out, missing, QChar(u'0'));
    return text.writeLast(out, std::min<qsizetype>(width, text.size()));
}

} // namespace km::name_parts
