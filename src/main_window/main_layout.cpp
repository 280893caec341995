// SPDX-License-Identifier: MIT
#include "main_window/main_layout.h"

#include <algorithm>

namespace km {

MainLayout computeMainLayout(double W, double H, double listWidth) {
    MainLayout l;
    l.shape1 = {120, H - 495, W - 240, 465};
    l.bExit = {195, H - 420, 855, 315};
    l.bAbout = {1110, H - 420, 855, 315};
    l.bUndo = {W - 1965, H - 420, 855, 315};
    l.bRename = {W - 1050, H - 420, 855, 315};
    l.frameRename = {2520, H - 1995, W - 5520, 1455};
    l.frameTypes = {120, H - 1995, 2295, 1455};
    l.tbPre = {1680, 360, l.frameRename.width - 1920, 285};
    l.lblExample = {3000, 720, l.frameRename.width - 3120, 615};
    l.framePreview = {W - 2895, 120, 2775, H - 660};
    l.frameFiles = {120, 120, W - 3120, H - 2220};
    const double FW = l.frameFiles.width;
    const double FH = l.frameFiles.height;
    const double LW =
        std::max(kDesignedListWidth, std::min(listWidth, FW - 345 - kNarrowestTreeWidth));
    l.folderTree = {120, 255, FW - 345 - LW, FH - 690};
    l.lvFiles = {FW - 120 - LW, 240, LW, FH - 660};
    l.divider = {l.folderTree.left + l.folderTree.width, 255, 105, FH - 690};
    l.obRenameAll = {l.lvFiles.left, FH - 345, 1215, 255};
    l.obRenameSelected = {l.obRenameAll.left + 1320, FH - 345, 2175, 255};
    l.cbPreview = {l.obRenameSelected.left + 2280, FH - 330, 1455, 195};
    return l;
}

} // namespace km
