// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <initializer_list>

namespace km {

// How far apart two colours stand for the eye: 1 for equal colours up to 21 for black on white,
// from their relative luminances.
double contrastRatio(const QColor& first, const QColor& second);

// The first of the colours that stands out from `ground` enough to be read (3 to 1, as for large
// or bold text), else the last.
QColor readableOn(const QColor& ground, std::initializer_list<QColor> candidates);

} // namespace km
