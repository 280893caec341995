// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace km {

// Rounds to the nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Relies on the default floating-point rounding mode, which the program never changes.
inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}

// Rounds half-even into a signed integer type; nothing when the value is not finite or does not
// fit.
template <typename Int> std::optional<Int> roundToInt(double value) {
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded))
        return std::nullopt;
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

inline std::optional<std::int32_t> roundToInt32(double value) {
    return roundToInt<std::int32_t>(value);
}

} // namespace km
