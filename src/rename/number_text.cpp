#include "rename/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

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
        const size_t exponent = compact.find_first_of("eE");
        const bool tiny = exponent < length && compact[exponent + 1] == '-';
        const bool negative = compact[0] == '-';
        return tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
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
