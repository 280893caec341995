// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace km {

// The font every form of the program is designed with: MS Sans Serif, 8.25 pt, regular. It is
// requested by name; where the face is absent the system's substitute is used.
QFont designedFont();

} // namespace km
