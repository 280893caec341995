// SPDX-License-Identifier: MIT
#include "main_window/main_layout.h"
#include "preview/preview_column.h"

#include <gtest/gtest.h>

namespace {

using km::computeMainLayout;
using km::MainLayout;
using km::PreviewColumn;
using km::TwipRect;

TEST(MainLayout, DesignedClientAreaGivesTheDesignedPlaces) {
    const MainLayout l = computeMainLayout(11655, 6930);
    EXPECT_EQ(l.frameFiles, (TwipRect{120, 120, 8535, 4710}));
    EXPECT_EQ(l.folderTree, (TwipRect{120, 255, 3135, 4020}));
    EXPECT_EQ(l.lvFiles, (TwipRect{3360, 240, 5055, 4050}));
    EXPECT_EQ(l.obRenameAll, (TwipRect{3360, 4365, 1215, 255}));
    EXPECT_EQ(l.obRenameSelected, (TwipRect{4680, 4365, 2175, 255}));
    EXPECT_EQ(l.cbPreview, (TwipRect{6960, 4380, 1455, 195}));
    EXPECT_EQ(l.frameTypes, (TwipRect{120, 4935, 2295, 1455}));
    EXPECT_EQ(l.frameRename, (TwipRect{2520, 4935, 6135, 1455}));
    EXPECT_EQ(l.tbPre, (TwipRect{1680, 360, 4215, 285}));
    EXPECT_EQ(l.lblExample, (TwipRect{3000, 720, 3015, 615}));
    EXPECT_EQ(l.framePreview, (TwipRect{8760, 120, 2775, 6270}));
    EXPECT_EQ(l.shape1, (TwipRect{120, 6435, 11415, 465}));
    EXPECT_EQ(l.bExit, (TwipRect{195, 6510, 855, 315}));
    EXPECT_EQ(l.bAbout, (TwipRect{1110, 6510, 855, 315}));
    EXPECT_EQ(l.bUndo, (TwipRect{9690, 6510, 855, 315}));
    EXPECT_EQ(l.bRename, (TwipRect{10605, 6510, 855, 315}));
}

TEST(MainLayout, WideningMovesTheRightHandControlsAndWidensTheRest) {
    const MainLayout a = computeMainLayout(11655, 6930);
    const MainLayout b = computeMainLayout(11655 + 700, 6930);
    for (auto [before, after] : {std::pair{a.frameFiles, b.frameFiles},
                                 {a.folderTree, b.folderTree},
                                 {a.frameRename, b.frameRename},
                                 {a.tbPre, b.tbPre},
                                 {a.lblExample, b.lblExample},
                                 {a.shape1, b.shape1}}) {
        EXPECT_EQ(after.width - before.width, 700);
        EXPECT_EQ(after.left, before.left);
    }
    for (auto [before, after] : {std::pair{a.lvFiles, b.lvFiles},
                                 {a.obRenameAll, b.obRenameAll},
                                 {a.obRenameSelected, b.obRenameSelected},
                                 {a.cbPreview, b.cbPreview},
                                 {a.framePreview, b.framePreview},
                                 {a.bUndo, b.bUndo},
                                 {a.bRename, b.bRename}}) {
        EXPECT_EQ(after.left - before.left, 700);
        EXPECT_EQ(after.width, before.width);
    }
    EXPECT_EQ(b.frameTypes, a.frameTypes);
}

TEST(MainLayout, HeighteningMovesTheLowerControlsAndLengthensTheRest) {
    const MainLayout a = computeMainLayout(11655, 6930);
    const MainLayout b = computeMainLayout(11655, 6930 + 450);
    for (auto [before, after] : {std::pair{a.frameTypes, b.frameTypes},
                                 {a.frameRename, b.frameRename},
                                 {a.shape1, b.shape1},
                                 {a.bExit, b.bExit},
                                 {a.bAbout, b.bAbout},
                                 {a.bUndo, b.bUndo},
                                 {a.bRename, b.bRename}}) {
        EXPECT_EQ(after.top - before.top, 450);
        EXPECT_EQ(after.height, before.height);
    }
    for (auto [before, after] : {std::pair{a.frameFiles, b.frameFiles},
                                 {a.framePreview, b.framePreview},
                                 {a.folderTree, b.folderTree},
                                 {a.lvFiles, b.lvFiles}}) {
        EXPECT_EQ(after.height - before.height, 450);
        EXPECT_EQ(after.top, before.top);
    }
}

TEST(MainLayout, TheMinimumClientAreaKeepsEverySizeNonNegative) {
    const MainLayout l = computeMainLayout(km::kMinimumClientWidth, km::kMinimumClientHeight);
    EXPECT_EQ(l.lblExample.width, 0);
    EXPECT_EQ(l.folderTree.height, 0);
    EXPECT_GT(l.folderTree.width, 0);
    EXPECT_GT(l.lvFiles.height, 0);
}

double previewFrameHeight(double clientHeight) {
    return computeMainLayout(11655, clientHeight).framePreview.height;
}

TEST(PreviewColumn, StartUpGrowsFromOneToThreeBoxesWithoutSchedulingThem) {
    PreviewColumn column;
    const km::PreviewColumnChange change =
        km::planPreviewColumn(previewFrameHeight(6930), column, 0);
    EXPECT_EQ(change.createFrom, 1);
    EXPECT_EQ(change.createTo, 3);
    EXPECT_EQ(change.showFrom, 1);
    EXPECT_EQ(change.showTo, 3);
    EXPECT_EQ(column.count, 3);
    EXPECT_EQ(column.loaded, 3);
    EXPECT_EQ(column.start, 1);
    EXPECT_EQ(column.dueTick, 0);
    EXPECT_EQ(km::kPreviewBox0.top + km::kPreviewBoxStep * 1, 2220);
    EXPECT_EQ(km::kPreviewBox0.top + km::kPreviewBoxStep * 2, 4200);
}

TEST(PreviewColumn, AFourthBoxAppearsAtClientHeight8820AndIsKeptWhenHidden) {
    PreviewColumn column{3, 3, 0, 0};
    km::PreviewColumnChange change = km::planPreviewColumn(previewFrameHeight(8805), column, 40);
    EXPECT_EQ(column.count, 3);
    EXPECT_EQ(change.showTo - change.showFrom, 0);

    change = km::planPreviewColumn(previewFrameHeight(8820), column, 41);
    EXPECT_EQ(column.count, 4);
    EXPECT_EQ(column.loaded, 4);
    EXPECT_EQ(column.start, 3);
    EXPECT_EQ(column.dueTick, 41);
    EXPECT_EQ(change.createFrom, 3);
    EXPECT_EQ(change.createTo, 4);
    EXPECT_EQ(km::kPreviewBox0.top + km::kPreviewBoxStep * 3, 6180);

    change = km::planPreviewColumn(previewFrameHeight(8805), column, 42);
    EXPECT_EQ(column.count, 3);
    EXPECT_EQ(change.hideFrom, 3);
    EXPECT_EQ(change.hideTo, 4);

    change = km::planPreviewColumn(previewFrameHeight(8820), column, 50);
    EXPECT_EQ(change.createTo - change.createFrom, 0);
    EXPECT_EQ(change.showFrom, 3);
    EXPECT_EQ(change.showTo, 4);
    EXPECT_EQ(column.loaded, 4);
}

TEST(PreviewColumn, AtLeastOneBoxStaysVisible) {
    PreviewColumn column{3, 3, 0, 0};
    const km::PreviewColumnChange change = km::planPreviewColumn(100, column, 5);
    EXPECT_EQ(column.count, 1);
    EXPECT_EQ(change.hideFrom, 1);
    EXPECT_EQ(change.hideTo, 3);
}

// The list widens into the tree from the divider, but never below its designed width, and the
// tree keeps its narrowest width whatever is asked.
TEST(MainLayout, AWiderListTakesItsRoomFromTheTreeWithinBounds) {
    const MainLayout designed = computeMainLayout(11655, 6930);
    EXPECT_EQ(designed.divider, (TwipRect{3255, 255, 105, 4020}));
    const MainLayout wider = computeMainLayout(11655, 6930, 6055);
    EXPECT_EQ(wider.lvFiles, (TwipRect{2360, 240, 6055, 4050}));
    EXPECT_EQ(wider.folderTree, (TwipRect{120, 255, 2135, 4020}));
    EXPECT_EQ(wider.obRenameAll.left, 2360);
    EXPECT_EQ(computeMainLayout(11655, 6930, 100).lvFiles, designed.lvFiles);
    EXPECT_EQ(computeMainLayout(11655, 6930, 1e6).folderTree.width, km::kNarrowestTreeWidth);
    // At the smallest window the list keeps its designed width, even if the tree gets less.
    EXPECT_EQ(computeMainLayout(8640, 2910, 9000).lvFiles.width, km::kDesignedListWidth);
}

} // namespace
