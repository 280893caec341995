// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>

namespace km {

class TiffReader;

// True when an EXIF orientation turns the picture a quarter, so that its width and height swap.
bool swapsSides(int orientation);

// The size of a stored picture once it is shown upright.
QSize uprightSize(QSize stored, int orientation);

// The orientation a TIFF structure's IFD0 gives; 1 when it gives none or one out of range.
int orientationFrom(TiffReader& tiff);

// Mirrors and turns a decoded picture as its EXIF orientation says, so that it stands upright.
QImage turnUpright(const QImage& stored, int orientation);

} // namespace km
