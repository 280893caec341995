// SPDX-License-Identifier: MIT
#include "preview/preview_fit.h"

#include "numbers/rounding.h"

namespace km {
namespace {

constexpr double kMargin = 60;
constexpr double kCentreShift = 15;

} // namespace

bool boxHoldsPicture(QSizeF inner) {
    return inner.width() > kMargin && inner.height() > kMargin;
}

FitLimits fitLimits(QSizeF inner) {
    return {roundHalfEven(inner.width() - kMargin), roundHalfEven(inner.height() - kMargin)};
}

TwipRect fitPicture(QSizeF natural, const FitLimits& limits, QSizeF inner) {
    double height = roundHalfEven(natural.height());
    double width = roundHalfEven(natural.width());
    // Height first, then width: the second step may shrink the height once more.
    if (height > limits.maxHeight) {
        const double ratio = height / limits.maxHeight;
        height = limits.maxHeight;
        width = roundHalfEven(width / ratio);
    }
    if (width > limits.maxWidth) {
        const double ratio = width / limits.maxWidth;
        width = limits.maxWidth;
        height = roundHalfEven(height / ratio);
    }
    const double left = roundHalfEven(inner.width() / 2 - width / 2 - kCentreShift);
    const double top = roundHalfEven(inner.height() / 2 - height / 2 - kCentreShift);
    return {left, top, width, height};
}

} // namespace km
