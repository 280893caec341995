// SPDX-License-Identifier: MIT
#include "rename/naming.h"

#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace km {

namespace {

// The digit count rounded for padding and cutting; nothing when negative, not finite or above
// kMaxDigitCount.
std::optional<int> paddingWidth(double digits) {
    const std::optional<qint32> width = roundToInt32(digits);
    if (!width || *width < 0 || *width > kMaxDigitCount)
        return std::nullopt;
    return *width;
}

// True when at least one row is numbered and 10 to the power digits (unrounded) exceeds the count.
bool numbersFit(int numberedCount, double digits) {
    return numberedCount >= 1 && std::pow(10.0, digits) > numberedCount;
}

// The name from its last dot to the end, dot and letter case kept; empty when there is no dot.
QStringView extensionOf(QStringView name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : name.sliced(dot);
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

private:
    std::array<char, 24> m_digits{};
    QLatin1StringView m_view;
    QString m_other;
};

// The number part goes straight into out, so each name is built in one buffer.
void appendNumberPart(QString& out, double value, int width) {
    if (width <= 0)
        return;
    const NumberText text(value);
    const qsizetype missing = width - text.size();
    if (missing > 0)
        out.resize(out.size() + missing, QLatin1Char('0'));
    text.appendLast(out, std::min<qsizetype>(width, text.size()));
}

QString composeName(const QString& prefix, double number, int width, QStringView extension) {
    QString name;
    name.reserve(prefix.size() + width + extension.size());
    name.append(prefix);
    appendNumberPart(name, number, width);
    name.append(extension);
    return name;
}

bool isNumbered(int row0, bool renameAll, const std::function<bool(int)>& isSelected) {
    return renameAll || (isSelected && isSelected(row0));
}

} // namespace

NewNames computeNewNames(const NamingFields& fields, bool renameAll,
                         const QStringList& originalNames,
                         const std::function<bool(int row0)>& isSelected) {
    const double start = readNumber(fields.start);
    const double digits = readNumber(fields.digits);
    // An infinite start would give every row the same number text, so such rows get no number.
    const std::optional<int> width = std::isfinite(start) ? paddingWidth(digits) : std::nullopt;

    NewNames result;
    result.names.reserve(originalNames.size());
    qint32 k = 1;
    for (int row0 = 0; row0 < originalNames.size(); ++row0) {
        if (!isNumbered(row0, renameAll, isSelected)) {
            result.names.append(QString());
            continue;
        }
        const double number = k + start - 1;
        result.names.append(composeName(fields.prefix, number, width.value_or(0),
                                        extensionOf(originalNames[row0])));
        ++k;
    }
    result.numberedCount = k - 1;
    result.renameEnabled = width.has_value() && numbersFit(result.numberedCount, digits);
    return result;
}

QString exampleLine(const NamingFields& fields) {
    const double start = readNumber(fields.start);
    const std::optional<qint32> first = roundToInt32(start);
    const std::optional<qint32> last = roundToInt32(start + 2);
    const bool numbersShown = first && last && *first <= std::numeric_limits<qint32>::max() - 2;
    const int width = numbersShown ? paddingWidth(readNumber(fields.digits)).value_or(0) : 0;

    QString line = QStringLiteral("(Example: ");
    line.reserve(line.size() + 3 * (fields.prefix.size() + width + 2));
    // Counting from the rounded start always gives three numbers, even where start + 2 rounds
    // to a different neighbour than start does (0.5000000000000001).
    for (int offset = 0; offset < 3; ++offset) {
        if (offset > 0)
            line.append(QStringLiteral(", "));
        line.append(fields.prefix);
        if (numbersShown)
            appendNumberPart(line, *first + offset, width);
    }
    line.append(QLatin1Char(')'));
    return line;
}

qint32 findLastOf(QStringView text, QStringView part) {
    for (qsizetype pos = text.size() - part.size(); pos >= 0; --pos) {
        if (text.sliced(pos, part.size()) == part)
            return static_cast<qint32>(pos + 1);
    }
    return 0;
}

} // namespace km
