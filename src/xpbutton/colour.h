// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace km {

// A colour as the forms store it: 0x00BBGGRR, red in the low byte. A value with the top bit set
// names a system colour by its index in the low byte.
using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}

constexpr Colour kSystemButtonFace = 0x8000000F;
constexpr Colour kSystemButtonText = 0x80000012;

constexpr bool isSystemColour(Colour colour) {
    return (colour & 0x80000000u) != 0;
}

// The colour to paint with; system colours are looked up in the palette.
QColor toQColor(Colour colour, const QPalette& palette);

} // namespace km
