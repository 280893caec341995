// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace km {

// A colour as the forms store it: 0x00BBGGRR, red in the low byte. A value with the top bit set
// names a system colour by its index in the low byte. A type of its own, so that a QRgb
// (0xAARRGGBB, blue in the low byte) cannot be passed where one of these is wanted.
class Colour {
public:
    constexpr explicit Colour(std::uint32_t value) : m_value(value) {}

    constexpr std::uint32_t value() const { return m_value; }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    std::uint32_t m_value;
};

constexpr Colour rgb(int red, int green, int blue) {
    return Colour(static_cast<std::uint32_t>(red & 0xFF) |
                  (static_cast<std::uint32_t>(green & 0xFF) << 8) |
                  (static_cast<std::uint32_t>(blue & 0xFF) << 16));
}

constexpr Colour kSystemButtonFace{0x8000000F};
constexpr Colour kSystemButtonText{0x80000012};

constexpr bool isSystemColour(Colour colour) {
    return (colour.value() & 0x80000000u) != 0;
}

// The colour to paint with; system colours are looked up in the palette.
QColor toQColor(Colour colour, const QPalette& palette);

// The system colours of the light scheme the forms were drawn in. What stands on a face or a
// ground the design colours itself takes its system colours from here rather than from the
// user's palette, so a dark theme cannot put white text on a light face.
const QPalette& designedSystemColours();

} // namespace km
