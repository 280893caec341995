// SPDX-License-Identifier: MIT
#include "preview/outlined_name.h"

#include "widgets/picture_box.h"
#include "widgets/twips.h"

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

// The outline's black prints lie up to 15 twips from the white one.
void printOutlined(PictureBox& box, const QString& text, PrintPosition at) {
    const QColor black(0, 0, 0);
    for (const PrintPosition& position : outlinePositions)
        box.printText(text, at.left + position.left - kLetterPosition.left,
                      at.top + position.top - kLetterPosition.top, black);
    box.printText(text, at.left, at.top, QColor(255, 255, 255));
}

} // namespace

void printOutlinedName(PictureBox& box, const QString& name) {
    printOutlined(box, name, kLetterPosition);
}

void printOutlinedLength(PictureBox& box, const QString& length, const TwipRect& picture) {
    const QSizeF size = box.textSize(length);
    printOutlined(box, length,
                  {picture.left + picture.width - size.width() - kLetterPosition.left,
                   picture.top + picture.height - size.height() - kLetterPosition.top});
}

} // namespace km
