// SPDX-License-Identifier: MIT
#include "naming/naming.h"

#include "files/file_names.h"
#include "naming/name_parts.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace km {

namespace {

class NamingWords {
    Q_DECLARE_TR_FUNCTIONS(NamingWords)

public:
    // The start of the example line; the names follow, then ")".
    static QString example() { return tr("(Example: "); }
};

using fs::extensionOf;
using name_parts::appendNumberPart;
using name_parts::numbersFit;
using name_parts::paddingWidth;

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

NumberCheck checkNumbers(const NamingFields& fields, const QStringList& newNames) {
    NumberCheck check;
    check.rows.assign(static_cast<std::size_t>(newNames.size()), NumberTrouble::None);
    const double start = readNumber(fields.start);
    const std::optional<int> width =
        std::isfinite(start) ? paddingWidth(readNumber(fields.digits)) : std::nullopt;
    if (!width || *width == 0)
        return check;
    check.width = *width;
    qint32 k = 1;
    for (qsizetype row = 0; row < newNames.size(); ++row) {
        if (newNames[row].isEmpty())
            continue;
        const double number = k++ + start - 1;
        const QString text = writeNumber(number);
        const bool digitsOnly =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
        const NumberTrouble trouble = !digitsOnly                 ? NumberTrouble::NotCounted
                                      : text.size() > check.width ? NumberTrouble::Cut
                                                                  : NumberTrouble::None;
        check.rows[static_cast<std::size_t>(row)] = trouble;
        if (trouble != NumberTrouble::None && check.first == NumberTrouble::None) {
            check.first = trouble;
            check.counted = text;
            QString shown;
            appendNumberPart(shown, number, check.width);
            check.shown = shown;
        }
    }
    return check;
}

void setExtensionsCase(QStringList& names, fs::ExtensionCase extensionCase) {
    if (extensionCase == fs::ExtensionCase::Keep)
        return;
    for (QString& name : names)
        if (!name.isEmpty())
            fs::setExtensionCase(name, name.size() - extensionOf(name).size(), extensionCase);
}

QString exampleLine(const NamingFields& fields) {
    const double start = readNumber(fields.start);
    const std::optional<qint32> first = roundToInt32(start);
    const std::optional<qint32> last = roundToInt32(start + 2);
    const bool numbersShown = first && last && *first <= std::numeric_limits<qint32>::max() - 2;
    const int width = numbersShown ? paddingWidth(readNumber(fields.digits)).value_or(0) : 0;

    QString line = NamingWords::example();
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

QString exampleLine(const NamingFields& fields, QStringView dateText, bool numbered) {
    const std::optional<qint32> first = roundToInt32(readNumber(fields.start));
    const int width = first && numbered ? paddingWidth(readNumber(fields.digits)).value_or(0) : 0;
    QString line = NamingWords::example() + fields.prefix;
    line.append(dateText);
    if (width > 0) {
        line.append(QLatin1Char('_'));
        appendNumberPart(line, *first, width);
    }
    line.append(QLatin1Char(')'));
    return line;
}

QString exampleLineOf(QStringView names) {
    return NamingWords::example() + names.toString() + QLatin1Char(')');
}

qint32 findLastOf(QStringView text, QStringView part) {
    for (qsizetype pos = text.size() - part.size(); pos >= 0; --pos) {
        if (text.sliced(pos, part.size()) == part)
            return static_cast<qint32>(pos + 1);
    }
    return 0;
}

} // namespace km
