// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/twips.h"

namespace km {

// Preview boxes: element 0's place and the distance from one box's top to the next.
inline constexpr TwipRect kPreviewBox0{120, 240, 2535, 1935};
inline constexpr double kPreviewBoxStep = 1980;

// The bookkeeping of the preview column that the layout reads and writes.
struct PreviewColumn {
    int count = 1;   // visible boxes, elements 0 .. count - 1
    int loaded = 1;  // elements created so far; only grows
    int start = 0;   // first element the next timed preview redraws
    int dueTick = 0; // tick of the last growth, 0 = nothing pending
};

// What the form must do to the preview boxes after planPreviewColumn.
struct PreviewColumnChange {
    int createFrom = 0, createTo = 0; // create elements [createFrom, createTo)
    int showFrom = 0, showTo = 0;     // show elements [showFrom, showTo)
    int hideFrom = 0, hideTo = 0;     // hide elements [hideFrom, hideTo)
};

// Fits the column of preview boxes to the preview frame's height: at least one box, new boxes
// created on demand and never destroyed, growth scheduled for the timer at tickCount.
PreviewColumnChange planPreviewColumn(double framePreviewHeight, PreviewColumn& column,
                                      int tickCount);

} // namespace km
