// SPDX-License-Identifier: MIT
#include "preview/preview_fit.h"

#include "numbers/rounding.h"

namespace km {
namespace {

constexpr double margin = 60;
constexpr double centreShift = 15;

} // namespace

bool boxHoldsPicture(QSizeF inner) {
    return inner.width() > margin && inner.height() > margin;
}

FitLimits fitLimits(QSizeF inner) {
    return {roundHalfEven(inner.width() - margin), roundHalfEven(inner.height() - margin)};
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
    const double left = roundHalfEven(inner.width() / 2 - width / 2 - centreShift);
    const double top = roundHalfEven(inner.height() / 2 - height / 2 - centreShift);
    return {left, top, width, height};
}

} // namespace km
