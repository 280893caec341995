// SPDX-License-Identifier: MIT
#pragma once

namespace km {

// Maps the fonts the window design names ("MS Sans Serif", "Tahoma") to close substitutes found
// on Linux, so designed control sizes still hold their texts. Call once after the application
// object exists.
void installFontSubstitutes();

} // namespace km
