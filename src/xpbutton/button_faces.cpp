// SPDX-License-Identifier: MIT
#include "xpbutton/button_faces.h"

#include "xpbutton/face_canvas.h"
#include "xpbutton/gradient.h"

namespace km {

namespace {

// Below this height a gradient would have no steps; such buttons get no gradient rows at all.
constexpr int kMinGradientHeight = 10;

struct BandColours {
    QColor top;
    QColor belowTop;
    QColor bottom;
    QColor aboveBottom;
    Rgb sideBase;
    Rgb sideSpread;
};

void drawOutline(FaceCanvas& canvas, QSize size, const QColor& colour) {
    const int w = size.width();
    const int h = size.height();
    canvas.line({2, 0}, {w - 3, 0}, colour);
    canvas.lineTo({w - 1, 2}, colour);
    canvas.lineTo({w - 1, h - 3}, colour);
    canvas.lineTo({w - 3, h - 1}, colour);
    canvas.lineTo({2, h - 1}, colour);
    canvas.lineTo({0, h - 3}, colour);
    canvas.lineTo({0, 2}, colour);
    canvas.lineTo({2, 0}, colour);
}

// A row between the corner steps: x 2 ... W-3.
void edgeRow(FaceCanvas& canvas, QSize size, int y, const QColor& colour) {
    canvas.line({2, y}, {size.width() - 2, y}, colour);
}

// A full row inside the outline: x 1 ... W-2.
void innerRow(FaceCanvas& canvas, QSize size, int y, const QColor& colour) {
    canvas.line({1, y}, {size.width() - 1, y}, colour);
}

bool hasGradient(QSize size) {
    return size.height() >= kMinGradientHeight;
}

void drawBands(FaceCanvas& canvas, QSize size, const BandColours& colours) {
    const int w = size.width();
    const int h = size.height();
    edgeRow(canvas, size, 1, colours.top);
    innerRow(canvas, size, 2, colours.belowTop);
    edgeRow(canvas, size, h - 2, colours.bottom);
    innerRow(canvas, size, h - 3, colours.aboveBottom);
    if (!hasGradient(size))
        return;
    const Gradient sides(h - 7, colours.sideBase, colours.sideSpread);
    for (int i = 0; i <= sides.steps(); ++i) {
        const int y = 3 + i;
        canvas.line({1, y}, {3, y}, sides.colour(i));
        canvas.line({w - 3, y}, {w - 1, y}, sides.colour(i));
    }
}

} // namespace

void drawNormalFace(FaceCanvas& canvas, QSize size, const QColor& lineColour) {
    const int h = size.height();
    drawOutline(canvas, size, lineColour);
    edgeRow(canvas, size, 1, QColor(255, 255, 255));
    innerRow(canvas, size, 2, QColor(254, 254, 254));
    innerRow(canvas, size, 3, QColor(253, 253, 252));
    edgeRow(canvas, size, h - 2, QColor(214, 208, 197));
    innerRow(canvas, size, h - 3, QColor(226, 223, 214));
    innerRow(canvas, size, h - 4, QColor(236, 235, 230));
    if (!hasGradient(size))
        return;
    const Gradient fill(h - 9, {250, 250, 249}, {10, 10, 15});
    for (int i = 0; i <= fill.steps(); ++i)
        innerRow(canvas, size, 4 + i, fill.colour(i));
}

void drawPressedFace(FaceCanvas& canvas, QSize size, const QColor& lineColour) {
    const int h = size.height();
    drawOutline(canvas, size, lineColour);
    edgeRow(canvas, size, h - 2, QColor(242, 241, 238));
    innerRow(canvas, size, h - 3, QColor(234, 233, 227));
    edgeRow(canvas, size, 1, QColor(209, 204, 193));
    innerRow(canvas, size, 2, QColor(220, 216, 207));
    if (!hasGradient(size))
        return;
    // Laid from the bottom up: the face is darker at the top.
    const Gradient fill(h - 7, {229, 228, 221}, {3, 2, 3});
    for (int i = 0; i <= fill.steps(); ++i)
        innerRow(canvas, size, h - 4 - i, fill.colour(i));
}

void drawDisabledFace(FaceCanvas& canvas, QSize size) {
    const QColor flat(245, 244, 234);
    const int h = size.height();
    drawOutline(canvas, size, QColor(201, 199, 186));
    edgeRow(canvas, size, 1, flat);
    edgeRow(canvas, size, h - 2, flat);
    for (int y = 2; y <= h - 3; ++y)
        innerRow(canvas, size, y, flat);
}

void drawHoverBands(FaceCanvas& canvas, QSize size) {
    drawBands(canvas, size,
              {QColor(255, 240, 207),
               QColor(253, 216, 137),
               QColor(229, 151, 0),
               QColor(248, 179, 48),
               {252, 210, 121},
               {4, 29, 68}});
}

void drawFocusBands(FaceCanvas& canvas, QSize size) {
    drawBands(canvas, size,
              {QColor(206, 231, 255),
               QColor(188, 212, 246),
               QColor(105, 130, 238),
               QColor(137, 173, 228),
               {186, 211, 245},
               {49, 38, 17}});
}

} // namespace km
