// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace km {

class PictureBox;

// Prints a file name at the top left of a preview box in white letters with a one-pixel black
// outline: eight black prints around one white print.
void printOutlinedName(PictureBox& box, const QString& name);

} // namespace km
