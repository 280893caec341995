// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/twips.h"

#include <QSizeF>

namespace km {

// The largest picture a preview box takes, in twips: its inner size less a 30-twip margin on
// each side, rounded.
struct FitLimits {
    double maxWidth = 0;
    double maxHeight = 0;
};

// Whether a box's inner area (twips) is large enough to fit a picture: more than 60 each way.
bool boxHoldsPicture(QSizeF inner);

FitLimits fitLimits(QSizeF inner);

// Where a picture of natural size `natural` (twips, whole) goes in a box of inner size `inner`:
// shrunk into the limits keeping its proportions, never enlarged, centred one pixel up and left
// of the exact centre. Every step rounds half to even. The limits must be positive.
TwipRect fitPicture(QSizeF natural, const FitLimits& limits, QSizeF inner);

} // namespace km
