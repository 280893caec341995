// SPDX-License-Identifier: MIT
#include "numbers/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace km {

namespace {

bool isDropped(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of text that forms a decimal number, 0 when there is none.
size_t numberLength(const std::string& text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        size_t fraction = 0;
        size_t j = i + 1;
        while (j < text.size() && isDigit(text[j]))
            ++j, ++fraction;
        if (fraction > 0 || digits > 0)
            i = j, digits += fraction;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t exponentDigits = 0;
        while (j < text.size() && isDigit(text[j]))
            ++j, ++exponentDigits;
        if (exponentDigits > 0)
            i = j;
    }
    return i;
}

// The power of ten of a number's first significant digit (0 for 5, 2 for 123, -3 for 0.001), to
// tell an overflow from an underflow; a number of zeros alone counts as -1.
long long leadingPowerOfTen(std::string_view number) {
    size_t i = (number[0] == '+' || number[0] == '-') ? 1 : 0;
    while (i < number.size() && number[i] == '0')
        ++i;
    long long power = -1;
    long long integerDigits = 0;
    while (i < number.size() && isDigit(number[i]))
        ++i, ++integerDigits;
    if (integerDigits > 0) {
        power = integerDigits - 1;
    } else if (i < number.size() && number[i] == '.') {
        long long zeros = 0;
        for (++i; i < number.size() && number[i] == '0'; ++i)
            ++zeros;
        if (i < number.size() && isDigit(number[i]))
            power = -(zeros + 1);
        else
            return -1;
    }
    while (i < number.size() && number[i] != 'e' && number[i] != 'E')
        ++i;
    if (i + 1 >= number.size())
        return power;
    const bool negativeExponent = number[i + 1] == '-';
    long long exponent = 0;
    for (size_t j = i + 1; j < number.size(); ++j) {
        if (isDigit(number[j]))
            exponent = std::min(exponent * 10 + (number[j] - '0'), 1'000'000'000LL);
    }
    return power + (negativeExponent ? -exponent : exponent);
}

} // namespace

double readNumber(QStringView text) {
    std::string compact;
    compact.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (isDropped(c))
            continue;
        // Anything outside ASCII ends a number, so it can stand in as a non-number character.
        compact.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');
    }
    const size_t length = numberLength(compact);
    if (length == 0)
        return 0.0;
    // from_chars ignores the locale (strtod would read "2,5" as 2.5 under some locales) but
    // refuses a leading "+".
    const char* first = compact.data();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, compact.data() + length, value);
    if (error == std::errc::result_out_of_range) {
        const bool negative = compact[0] == '-';
        if (leadingPowerOfTen(std::string_view(compact).substr(0, length)) < 0)
            return 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

QString writeNumber(double value) {
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}

} // namespace km
