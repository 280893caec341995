// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

class QWidget;

namespace km {

// A rectangle in twips (1/1440 inch), the unit of all window and control geometry.
struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const TwipRect&) const = default;
};

// Twips per pixel of the primary screen: 1440 / its logical DPI (15 at 96 DPI).
double twipsPerPixel();

// Twips to whole pixels, halves to the even neighbour.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

QRect twipsToPixels(const TwipRect& rect);

// Moves and sizes a widget by a rectangle in twips; negative sizes count as 0.
void setGeometryTwips(QWidget* widget, const TwipRect& rect);

} // namespace km
