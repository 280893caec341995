// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace km {

// Whether two sizes have the same proportions within 2%.
bool sameProportions(QSize first, QSize second);

// The largest area of the picture's proportions that a preview of the given size can hold once
// bars are cut away; the whole preview when the proportions already match.
QSize largestPictureArea(QSize preview, QSize picture);

// The part of an embedded preview that shows the picture (`picture` in the same orientation): the
// whole preview when the proportions match, else the area between uniform bars on two opposite
// sides less the line next to each bar, trimmed to the picture's proportions. Empty when the
// preview holds no such area.
QRect pictureAreaOf(const QImage& preview, QSize picture);

} // namespace km
