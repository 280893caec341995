// SPDX-License-Identifier: MIT
#include "widgets/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace km {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& ground, std::initializer_list<QColor> candidates) {
    constexpr double kReadable = 3.0;
    for (const QColor& colour : candidates) {
        if (contrastRatio(colour, ground) >= kReadable)
            return colour;
    }
    return candidates.size() > 0 ? *(candidates.end() - 1) : QColor();
}

} // namespace km
