// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/twips.h"

namespace km {

// Where the main window's resizable controls stand for a client area of W x H twips. Positions are
// relative to each control's container; controls that never move keep their designed geometry.
struct MainLayout {
    TwipRect shape1;
    TwipRect bExit, bAbout, bUndo, bRename;
    TwipRect frameTypes, frameRename, tbPre, lblExample;
    TwipRect framePreview;
    TwipRect frameFiles, folderTree, lvFiles, obRenameAll, obRenameSelected, cbPreview;
    // The gap between the folder tree and the list, where the user drags the list wider.
    TwipRect divider;
};

// The window's designed client area and the smallest one at which every size stays non-negative.
inline constexpr double kDesignedClientWidth = 11655;
inline constexpr double kDesignedClientHeight = 6930;
inline constexpr double kMinimumClientWidth = 8640;
inline constexpr double kMinimumClientHeight = 2910;

// The list's designed width, and the narrowest folder tree a wider list leaves.
inline constexpr double kDesignedListWidth = 5055;
inline constexpr double kNarrowestTreeWidth = 1500;

// The list is `listWidth` twips wide, but never narrower than designed, nor so wide that the
// folder tree gets narrower than kNarrowestTreeWidth.
MainLayout computeMainLayout(double clientWidth, double clientHeight,
                             double listWidth = kDesignedListWidth);

} // namespace km
