// SPDX-License-Identifier: MIT
#include "preview/outlined_name.h"

#include "widgets/picture_box.h"

#include <array>

namespace km {
namespace {

struct PrintPosition {
    double left;
    double top;
};

// Anticlockwise around the white print at (60, 15), starting at its lower right.
constexpr std::array<PrintPosition, 8> outlinePositions{{
    {75, 30},
    {75, 15},
    {75, 0},
    {60, 0},
    {45, 0},
    {45, 15},
    {45, 30},
    {60, 30},
}};
constexpr PrintPosition kLetterPosition{60, 15};

} // namespace

void printOutlinedName(PictureBox& box, const QString& name) {
    const QColor black(0, 0, 0);
    for (const PrintPosition& position : outlinePositions)
        box.printText(name, position.left, position.top, black);
    box.printText(name, kLetterPosition.left, kLetterPosition.top, QColor(255, 255, 255));
}

} // namespace km
