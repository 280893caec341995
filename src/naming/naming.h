// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_names.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace km {

// The three naming fields exactly as typed; start and digits are read as numbers where used.
struct NamingFields {
    QString prefix;
    QString start;
    QString digits;
};

// The proposal of one computation: names[i] is row i + 1's new name, empty when not numbered.
struct NewNames {
    QStringList names;
    int numberedCount = 0;
    bool renameEnabled = false;
    // Rows that would be numbered but lack a value their names show (a date taken), so keep
    // their names.
    int leftOutCount = 0;
};

// The longest number part a name may get: a file name cannot hold more characters.
inline constexpr int kMaxDigitCount = 255;

// Proposes prefix + number part + extension for every numbered row, counting from the start value.
// A row is numbered when renameAll is set, else when isSelected(row0) says so (asked only then).
NewNames computeNewNames(const NamingFields& fields, bool renameAll,
                         const QStringList& originalNames,
                         const std::function<bool(int row0)>& isSelected);

// How the designed names' numbers come out of the naming fields: as counted, cut to the digit
// count where they outgrow it (1000 with 3 digits gives 000, which sorts first), or not counted
// in digits at all (a fraction, a minus sign, a start too large to count: 1E+20 gives +20).
enum class NumberTrouble { None, Cut, NotCounted };
struct NumberCheck {
    // The trouble of each row's number, by row; None for rows without a new name.
    std::vector<NumberTrouble> rows;
    // The first number in trouble as counted, and as the names show it.
    QString counted;
    QString shown;
    NumberTrouble first = NumberTrouble::None;
    int width = 0;
};
// Checks the numbers computeNewNames gives the rows that have a new name in `newNames`.
NumberCheck checkNumbers(const NamingFields& fields, const QStringList& newNames);

// Puts the extension of every new name in the case chosen (names without one stay as they are).
void setExtensionsCase(QStringList& names, fs::ExtensionCase extensionCase);

// The example line of the three numbers from the rounded start: "(Example: foto_001, foto_002,
// foto_003)". Without a usable start or digit count it shows the prefix alone three times.
QString exampleLine(const NamingFields& fields);
// With the date taken in the names, the one name a photo of that date text gets, numbered from
// the rounded start unless numbered is false: "(Example: foto_2024-05-01_001)". Three such names
// would not fit the line.
QString exampleLine(const NamingFields& fields, QStringView dateText, bool numbered);

// The example line around names already written: "(Example: " + names + ")".
QString exampleLineOf(QStringView names);

// 1-based position of the last occurrence of part in text, case-sensitive; 0 when there is none.
qint32 findLastOf(QStringView text, QStringView part);

} // namespace km
