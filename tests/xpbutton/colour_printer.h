// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/colour.h"

#include <ios>
#include <ostream>

namespace km {

// How a failed comparison shows a colour: its stored value, 0x00BBGGRR.
inline void PrintTo(Colour colour, std::ostream* out) {
    *out << "km::Colour{0x" << std::hex << colour.value() << std::dec << "}";
}

} // namespace km
