// SPDX-License-Identifier: MIT
#include "widgets/twips.h"

#include "numbers/rounding.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace km {

double twipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips) {
    return static_cast<int>(roundHalfEven(twips / twipsPerPixel()));
}

double pixelsToTwips(int pixels) {
    return pixels * twipsPerPixel();
}

QRect twipsToPixels(const TwipRect& rect) {
    return QRect(twipsToPixels(rect.left), twipsToPixels(rect.top),
                 std::max(0, twipsToPixels(rect.width)), std::max(0, twipsToPixels(rect.height)));
}

void setGeometryTwips(QWidget* widget, const TwipRect& rect) {
    widget->setGeometry(twipsToPixels(rect));
}

} // namespace km
