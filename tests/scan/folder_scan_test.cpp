// SPDX-License-Identifier: MIT
#include "scan/folder_scan.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderScan, ListsTheChosenTypesAndTellsWhatFollowsOrIsLeftOut) {
    TempFolder folder;
    folder.writeNamed({"IMG_10.JPG", "IMG_2.jpeg", "b.bmp", "c.heic", "d.PNG", "IMG_2.CR2",
                       "notes.txt", ".hidden.jpg"});
    folder.makePipe("pipe.jpg");
    folder.makeFolder("folder.jpg");

    km::ScanChoice choice;
    choice.jpeg = true;
    choice.companions = true;
    km::FolderScan scan = km::scanFolder(folder.path(), choice);
    // Each ending in turn, as the list has always shown them: "*.jpg" before "*.jpeg".
    EXPECT_EQ(scan.photos, (QStringList{"IMG_10.JPG", "IMG_2.jpeg"}));
    EXPECT_EQ(scan.companionCandidates, QStringList{"IMG_2.CR2"});
    EXPECT_EQ(scan.unlistedPhotos, "1 HEIC and 1 PNG photos here: the list's menu lists them too");
    EXPECT_EQ(scan.inodes.size(), 5U);

    choice.jpeg = false;
    choice.gif = true;
    choice.moreTypes = true;
    choice.companions = false;
    scan = km::scanFolder(folder.path(), choice);
    EXPECT_EQ(scan.photos, (QStringList{"c.heic", "d.PNG"}));
    EXPECT_TRUE(scan.companionCandidates.isEmpty());
    EXPECT_TRUE(scan.unlistedPhotos.isEmpty());
}

// RAW photos listed in their own right come after the other photos, in name order, but those
// that follow a listed photo of their base name; a phone's video never becomes a row.
TEST(FolderScan, ListsRawPhotosButThoseThatFollowAPhoto) {
    TempFolder folder;
    folder.writeNamed({"IMG_2.JPG", "img_2.cr2", "IMG_10.NEF", "IMG_9.CR3", "IMG_9.xmp",
                       "IMG_5.MOV", "DSCF1.RAF"});
    km::ScanChoice choice;
    choice.jpeg = true;
    choice.raw = true;
    km::FolderScan scan = km::scanFolder(folder.path(), choice);
    EXPECT_EQ(scan.photos,
              (QStringList{"IMG_2.JPG", "DSCF1.RAF", "img_2.cr2", "IMG_9.CR3", "IMG_10.NEF"}));
    EXPECT_TRUE(scan.companionCandidates.isEmpty());

    choice.companions = true;
    scan = km::scanFolder(folder.path(), choice);
    EXPECT_EQ(scan.photos, (QStringList{"IMG_2.JPG", "DSCF1.RAF", "IMG_9.CR3", "IMG_10.NEF"}));
    scan.companionCandidates.sort();
    EXPECT_EQ(scan.companionCandidates, (QStringList{"IMG_5.MOV", "IMG_9.xmp", "img_2.cr2"}));
}

// Videos come after the RAW photos, in name order, AVCHD's among them; a Live Photo's video
// follows its photo while companions are chosen, and is a row of its own otherwise.
TEST(FolderScan, ListsVideosButALivePhotosThatFollowsItsPhoto) {
    TempFolder folder;
    folder.writeNamed({"IMG_2.JPG", "IMG_2.MOV", "clip 10.mp4", "clip 9.M4V", "00001.MTS",
                       "a.3gp", "b.3G2", "c.m2ts", "IMG_4.CR2", ".hidden.mp4", "notes.txt"});
    km::ScanChoice choice;
    choice.jpeg = true;
    choice.raw = true;
    choice.videos = true;
    km::FolderScan scan = km::scanFolder(folder.path(), choice);
    EXPECT_EQ(scan.photos, (QStringList{"IMG_2.JPG", "IMG_4.CR2", "00001.MTS", "a.3gp", "b.3G2",
                                        "c.m2ts", "clip 9.M4V", "clip 10.mp4", "IMG_2.MOV"}));
    choice.companions = true;
    scan = km::scanFolder(folder.path(), choice);
    EXPECT_FALSE(scan.photos.contains("IMG_2.MOV"));
    EXPECT_EQ(scan.companionCandidates, QStringList{"IMG_2.MOV"});
}

} // namespace
