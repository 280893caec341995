// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace km {

class PictureBox;
struct TwipRect;

// Prints a file name at the top left of a preview box in white letters with a one-pixel black
// outline: eight black prints around one white print.
void printOutlinedName(PictureBox& box, const QString& name);

// Prints a video's length ("0:42") the same way at the lower right of its picture's place.
void printOutlinedLength(PictureBox& box, const QString& length, const TwipRect& picture);

} // namespace km
