// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace km {

// Reads a text as a number: blanks, tabs and line feeds are dropped anywhere, then the longest
// leading decimal number is taken (sign, digits, fraction, exponent with E or e); no number gives
// 0.
double readNumber(QStringView text);

// Writes a number without a leading blank: whole values below 1e15 in magnitude as plain digits,
// anything else in the shortest form of at most 15 significant digits ("2.5", "1e+15", "1.5e-07").
// Values that are not finite are written as "0".
QString writeNumber(double value);

} // namespace km
