// SPDX-License-Identifier: MIT
#include "camera_files.h"
#include "dialogs/message_box.h"
#include "file_types/file_types.h"
#include "files/file_system.h"
#include "photo_list/list_view.h"
#include "raw_files.h"
#include "seams/message_box_seam.h"
#include "support/temp_folder.h"
#include "terminal/terminal_rename_plan.h"
#include "terminal/terminal_request.h"
#include "video_files.h"
#include "window_under_test.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using Content = std::map<QString, QByteArray>;

// The photo list's two choices, set in options.ini or through the list's menu.
class PhotographerChoicesTest : public testing::Test {
protected:
    void start(const QByteArray& options) {
        if (!options.isNull())
            config.write("options.ini", options);
        window = std::make_unique<WindowUnderTest>(program.path(), photos.path(), QString(),
                                                   config.path());
        window->load();
    }

    void writePhoto(const QString& name, const QString& taken, const QString& subSeconds = {}) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::gray);
        photos.write(name, km::fixtures::jpegBytes(image));
        km::fixtures::ExifTags tags;
        if (!taken.isEmpty())
            tags.push_back({"Exif.Photo.DateTimeOriginal", taken});
        if (!subSeconds.isEmpty())
            tags.push_back({"Exif.Photo.SubSecTimeOriginal", subSeconds});
        if (!tags.empty())
            km::fixtures::setExifTags(photos.filePath(name), tags);
    }

    QString header() const {
        return window->lvFiles->model()->headerData(0, Qt::Horizontal).toString();
    }

    QString toolTip(int row) const {
        return window->lvFiles->model()->index(row - 1, 0).data(Qt::ToolTipRole).toString();
    }

    // Chooses the menu entry whose text is `entry` once the menu opens.
    void chooseInMenuWhenOpen(const QString& entry) {
        QTimer::singleShot(0, [entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == entry)
                    action->trigger();
            }
            menu->close();
        });
    }

    void press(km::XPButton* button, km::BoxAnswer answer) {
        km::MessageBoxSeam::setNextAnswer(answer);
        km::MessageBoxSeam::setNextAnswer(km::BoxAnswer::Ok);
        emit button->Click();
        km::MessageBoxSeam::clearNextAnswers();
    }

    TempFolder program;
    TempFolder photos;
    TempFolder config;
    std::unique_ptr<WindowUnderTest> window;
};

TEST_F(PhotographerChoicesTest, TheMenuSwitchesToTheOrderTakenAndKeepsTheChoice) {
    writePhoto("IMG_0001.jpg", "2024:06:01 12:00:03");
    writePhoto("IMG_0002.jpg", "2024:06:01 12:00:01");
    writePhoto("IMG_0003.jpg", "");
    start(QByteArray());
    EXPECT_EQ(header(), "Original Name");
    EXPECT_EQ(window->rows(), QStringList({"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.jpg"}));
    EXPECT_TRUE(toolTip(3).isEmpty());

    chooseInMenuWhenOpen("Number in order taken");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_EQ(header(), "Original Name (in order taken)");
    EXPECT_EQ(window->rows(), QStringList({"IMG_0002.jpg", "IMG_0001.jpg", "IMG_0003.jpg"}));
    EXPECT_EQ(toolTip(3), "no date taken");
    EXPECT_TRUE(toolTip(1).isEmpty());
    EXPECT_EQ(
        config.snapshot().at("options.ini"),
        "[General]\norder=taken\ncompanions=false\nmoretypes=false\ndate=none\nnumbers=run\n");
    EXPECT_FALSE(program.snapshot().count("Kestrelmark.cfg"));
}

// Dates not yet cached are read while the window goes on; a scan asked for meanwhile lists the
// folder as it is then.
TEST_F(PhotographerChoicesTest, DatesReadInTheBackgroundOrderTheListOnceRead) {
    writePhoto("IMG_0001.jpg", "2024:06:01 12:00:03");
    writePhoto("IMG_0002.jpg", "2024:06:01 12:00:01");
    start("order=name\n");
    window->seam.readDatesInBackground();
    chooseInMenuWhenOpen("Number in order taken");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    writePhoto("IMG_0003.jpg", "2024:06:01 12:00:02");
    window->seam.rescan();
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_EQ(header(), "Original Name (in order taken)");
    EXPECT_EQ(window->rows(), QStringList({"IMG_0002.jpg", "IMG_0003.jpg", "IMG_0001.jpg"}));
    EXPECT_TRUE(window->bRename->Enabled());
}

TEST_F(PhotographerChoicesTest, BackToNameOrderWhileDatesAreReadLeavesRenameOn) {
    writePhoto("IMG_0001.jpg", "2024:06:01 12:00:03");
    writePhoto("IMG_0002.jpg", "2024:06:01 12:00:01");
    start("order=taken\n");
    window->seam.readDatesInBackground();
    writePhoto("IMG_0003.jpg", "2024:06:01 12:00:02");
    window->seam.rescan();
    chooseInMenuWhenOpen("Number in order of name");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    QCoreApplication::processEvents();
    EXPECT_EQ(header(), "Original Name");
    EXPECT_EQ(window->rows(), QStringList({"IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.jpg"}));
    EXPECT_TRUE(window->bRename->Enabled());
}

TEST_F(PhotographerChoicesTest, TheDateInTheNamesNumbersInTheOrderTakenMeanwhile) {
    writePhoto("IMG_0001.jpg", "2024:06:01 12:00:03");
    writePhoto("IMG_0002.jpg", "2024:06:01 12:00:01");
    start("order=name\n");
    chooseInMenuWhenOpen("Date taken in the names (2024-05-01)");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_EQ(window->rows(), QStringList({"IMG_0002.jpg", "IMG_0001.jpg"}));
    EXPECT_EQ(window->newNames(),
              QStringList({"foto_2024-06-01_001.jpg", "foto_2024-06-01_002.jpg"}));
    EXPECT_EQ(config.snapshot().at("options.ini"),
              "[General]\norder=name\ncompanions=false\nmoretypes=false\ndate=date\nnumbers=run\n");

    bool nameOrderOffered = true;
    QTimer::singleShot(0, [&nameOrderOffered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == "Number in order of name")
                nameOrderOffered = action->isEnabled() || action->isChecked();
        menu->close();
    });
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(nameOrderOffered);
}

// Two cameras with interleaved names, a burst in one second told apart by its sub-seconds, and a
// scan without a date taken, which keeps its name.
TEST_F(PhotographerChoicesTest, DateAndTimeNamesAreGivenInTheOrderTakenAndUndone) {
    writePhoto("DSC_0001.jpg", "2024:05:01 14:03:22", "20");
    writePhoto("DSC_0002.JPG", "2024:05:01 09:00:00");
    writePhoto("IMG_0001.jpg", "2024:05:01 14:03:22", "5");
    writePhoto("IMG_0002.jpg", "2024:05:01 14:03:22");
    writePhoto("IMG_0003.jpg", "2024:05:02 08:00:00");
    photos.write("Scan.bmp", "bmp");
    program.write("Kestrelmark.cfg",
                  (photos.path() + "\r\nTrip_\r\n1\r\n3\r\n1\r\n1\r\n0\r\n0\r\nY\r\n").toUtf8());
    start("date=datetime\nnumbers=shared\n");
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    const Content before = photos.snapshot();
    EXPECT_EQ(header(), "Original Name (in order taken)");
    EXPECT_EQ(window->rows(), QStringList({"DSC_0002.JPG", "IMG_0002.jpg", "DSC_0001.jpg",
                                           "IMG_0001.jpg", "IMG_0003.jpg", "Scan.bmp"}));
    const QStringList renamed{"Trip_2024-05-01_09-00-00.JPG", "Trip_2024-05-01_14-03-22_001.jpg",
                              "Trip_2024-05-01_14-03-22_002.jpg",
                              "Trip_2024-05-01_14-03-22_003.jpg", "Trip_2024-05-02_08-00-00.jpg"};
    EXPECT_EQ(window->newNames(), renamed + QStringList{""});
    const QModelIndex scan = window->lvFiles->model()->index(5, 1);
    EXPECT_EQ(scan.data().toString(), "(no date taken)");
    EXPECT_EQ(scan.data(Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
    EXPECT_TRUE(toolTip(6).startsWith("no date taken: the photo keeps its name"));
    // The first photo has its second alone.
    EXPECT_EQ(window->lblExample->text(), "(Example: Trip_2024-05-01_09-00-00)");

    press(window->bRename, km::BoxAnswer::Yes);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.endsWith(
        "rename these images?\r\n1 photo without a date taken keeps its name."));
    QStringList after;
    for (const auto& [name, content] : photos.snapshot())
        after << name;
    EXPECT_EQ(after, QStringList{"Scan.bmp"} + renamed);

    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(photos.snapshot(), before);
}

TEST_F(PhotographerChoicesTest, RawAndSidecarFilesAreRenamedAndUndoneWithTheirPhoto) {
    writePhoto("IMG_0001.JPG", "");
    photos.write("IMG_0001.CR2", "raw");
    photos.write("img_0001.xmp", "xmp");
    photos.write("IMG_0001.JPG.xmp", "jpg xmp");
    photos.write("IMG_0001.CR2.xmp", "raw xmp");
    photos.write("IMG_0002.nef", "stray raw");
    start("order=name\ncompanions=true\n");
    const Content before = photos.snapshot();
    EXPECT_EQ(toolTip(1).split('\n').size(), 4);

    press(window->bRename, km::BoxAnswer::Yes);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.endsWith(
        "4 RAW and sidecar files are renamed with them."));
    Content after = photos.snapshot();
    for (const char* name : {"foto_001.JPG", "foto_001.CR2", "foto_001.xmp", "foto_001.JPG.xmp",
                             "foto_001.CR2.xmp", "IMG_0002.nef"})
        EXPECT_EQ(after.count(name), 1u) << name;
    EXPECT_EQ(after.at("foto_001.CR2"), "raw");

    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(photos.snapshot(), before);
}

// Phones' photo types are listed once chosen; before that, an empty list says they are there.
TEST_F(PhotographerChoicesTest, PhonePhotosAreListedWhenChosenAndCountedInAnEmptyListOtherwise) {
    for (const char* name :
         {"IMG_0010.heic", "IMG_0002.HEIC", "shot.png", "scan.TIF", "b.webp", "c.avif", "d.mov"})
        photos.write(name, "not decodable");
    start("order=name\n");
    EXPECT_TRUE(window->rows().isEmpty());
    EXPECT_EQ(window->lvFiles->emptyText(), "2 HEIC, 1 AVIF, 1 PNG, 1 TIFF and 1 WebP photos here: "
                                            "the list's menu lists them too");

    chooseInMenuWhenOpen("List HEIC, PNG, TIFF and WebP photos too");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(window->rows(), QStringList({"IMG_0002.HEIC", "IMG_0010.heic", "c.avif", "shot.png",
                                           "scan.TIF", "b.webp"}));
    EXPECT_TRUE(window->lvFiles->emptyText().isEmpty());
    EXPECT_EQ(config.snapshot().at("options.ini"),
              "[General]\norder=name\ncompanions=false\nmoretypes=true\ndate=none\nnumbers=run\n");
    EXPECT_EQ(km::unlistedPhotosText({"a.tiff"}),
              "1 TIFF photo here: the list's menu lists it too");
}

TEST_F(PhotographerChoicesTest, LivePhotoVideosAreRenamedAndUndoneWithTheirPicture) {
    photos.write("IMG_1234.HEIC", "picture 1");
    photos.write("IMG_1234.MOV", "video 1");
    photos.write("IMG_1235.heic", "picture 2");
    photos.write("img_1235.mp4", "video 2");
    start("companions=true\nmoretypes=true\n");
    const Content before = photos.snapshot();
    press(window->bRename, km::BoxAnswer::Yes);
    const Content after = photos.snapshot();
    for (const char* name : {"foto_001.HEIC", "foto_001.MOV", "foto_002.heic", "foto_002.mp4"})
        EXPECT_EQ(after.count(name), 1u) << name;
    EXPECT_EQ(after.at("foto_001.MOV"), "video 1");
    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(photos.snapshot(), before);
}

// A folder of RAW photos alone lists them once chosen, in the order taken, and renames and undoes
// them with their sidecars.
TEST_F(PhotographerChoicesTest, RawPhotosAloneAreListedInTheOrderTakenRenamedAndUndone) {
    using namespace km::fixtures;
    photos.write("IMG_0002.CR3", rawBytes(RawKind::Cr3, {.taken = "2024:05:01 10:00:00"}));
    photos.write("DSC_0001.NEF", rawBytes(RawKind::Tiff, {.taken = "2024:05:01 11:00:00"}));
    photos.write(
        "DSCF0003.RAF",
        rawBytes(RawKind::Raf, {.taken = "2024:05:01 09:00:00",
                                .preview = jpegBytes(QImage(8, 8, QImage::Format_RGB32))}));
    photos.write("IMG_0002.CR3.xmp", "sidecar");
    start("order=taken\ncompanions=true\n");
    EXPECT_TRUE(window->rows().isEmpty());
    chooseInMenuWhenOpen("List RAW photos too");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(window->rows(), QStringList({"DSCF0003.RAF", "IMG_0002.CR3", "DSC_0001.NEF"}));
    EXPECT_TRUE(config.snapshot().at("options.ini").contains("\nraw=true\n"));

    const Content before = photos.snapshot();
    press(window->bRename, km::BoxAnswer::Yes);
    const Content after = photos.snapshot();
    for (const char* name : {"foto_001.RAF", "foto_002.CR3", "foto_002.CR3.xmp", "foto_003.NEF"})
        EXPECT_EQ(after.count(name), 1u) << name;
    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(photos.snapshot(), before);
}

// Videos listed once chosen go among the photos in the order taken: a camera's UTC time in the
// zone of the photos around it, a phone's own local time; a Live Photo's video follows its photo,
// an undated video keeps its name, and the undo gives every name back.
TEST_F(PhotographerChoicesTest, VideosGoAmongThePhotosInTheOrderTakenAndAreRenamedAndUndone) {
    using km::fixtures::videoBytes;
    if (!km::fixtures::canMakeVideos())
        GTEST_SKIP() << "FFmpeg's command-line tool is not installed";
    for (const auto& [name, taken] : {std::pair{"DSC_0101.JPG", "2024:07:01 08:59:00"},
                                      {"DSC_0102.JPG", "2024:07:01 09:01:00"},
                                      {"IMG_0002.JPG", "2024:07:01 09:20:00"}}) {
        writePhoto(name, {});
        km::fixtures::setExifTags(
            photos.filePath(name),
            {{"Exif.Photo.DateTimeOriginal", taken}, {"Exif.Photo.OffsetTimeOriginal", "+02:00"}});
    }
    photos.write("IMG_0002.MOV",
                 videoBytes({.container = "mov", .createdUtc = "2024-07-01T07:20:00Z"}));
    photos.write("clip.mp4", videoBytes({.createdUtc = "2024-07-01T07:00:00Z"}));
    photos.write("IMG_0003.MOV",
                 videoBytes({.container = "mov", .appleDate = "2024-07-01T09:30:00+0200"}));
    photos.write("broken.mp4", videoBytes({.createdUtc = "2024-07-01T07:10:00Z"}).first(2000));
    program.write("Kestrelmark.cfg",
                  (photos.path() + "\r\nTrip_\r\n1\r\n3\r\n1\r\n1\r\n0\r\n0\r\nY\r\n").toUtf8());
    start("order=taken\ncompanions=true\ndate=date\n");
    chooseInMenuWhenOpen("List videos too");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_TRUE(config.snapshot().at("options.ini").contains("\nvideos=true\n"));
    EXPECT_EQ(window->rows(), QStringList({"DSC_0101.JPG", "clip.mp4", "DSC_0102.JPG",
                                           "IMG_0002.JPG", "IMG_0003.MOV", "broken.mp4"}));
    EXPECT_EQ(window->newNames(), QStringList({"Trip_2024-07-01_001.JPG", "Trip_2024-07-01_002.mp4",
                                               "Trip_2024-07-01_003.JPG", "Trip_2024-07-01_004.JPG",
                                               "Trip_2024-07-01_005.MOV", ""}));
    EXPECT_EQ(toolTip(2),
              "recorded 2024-07-01 09:00:00, from the video's UTC time 07:00:00 in UTC+02:00");
    EXPECT_EQ(toolTip(5), "recorded 2024-07-01 09:30:00 in UTC+02:00, as the video says");

    const Content before = photos.snapshot();
    press(window->bRename, km::BoxAnswer::Yes);
    const Content after = photos.snapshot();
    for (const char* name : {"Trip_2024-07-01_002.mp4", "Trip_2024-07-01_004.MOV", "broken.mp4"})
        EXPECT_EQ(after.count(name), 1u) << name;
    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(photos.snapshot(), before);
}

// Once chosen, photos whose metadata holds no date are dated from their names, which the
// tooltip and the question say; a camera's EXIF date is kept.
TEST_F(PhotographerChoicesTest, PhotosWithoutADateTakenAreDatedFromTheirNamesWhenChosen) {
    writePhoto("DSC_0001.JPG", "2023:01:01 10:00:00");
    writePhoto("IMG_20230101_080000.jpg", "2023:01:01 11:00:00");
    writePhoto("IMG-20230101-WA0001.jpg", {});
    writePhoto("Screenshot_2023-01-01-09-00-00.jpg", {});
    writePhoto("scan.jpg", {});
    program.write("Kestrelmark.cfg",
                  (photos.path() + "\r\nTrip_\r\n1\r\n3\r\n1\r\n1\r\n0\r\n0\r\nY\r\n").toUtf8());
    start("date=date\n");
    chooseInMenuWhenOpen("Date from the name where a photo has none");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_TRUE(config.snapshot().at("options.ini").contains("\nnamedates=true\n"));
    EXPECT_EQ(window->rows(),
              QStringList({"IMG-20230101-WA0001.jpg", "Screenshot_2023-01-01-09-00-00.jpg",
                           "DSC_0001.JPG", "IMG_20230101_080000.jpg", "scan.jpg"}));
    EXPECT_EQ(toolTip(1), "dated from its name: its file holds no date taken");
    EXPECT_EQ(toolTip(3), "dated from its EXIF data");
    const Content before = photos.snapshot();
    press(window->bRename, km::BoxAnswer::Yes);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.endsWith(
        "1 photo without a date taken keeps its name.\r\n2 photos are dated from their names."));
    EXPECT_EQ(photos.snapshot().count("Trip_2023-01-01_002.jpg"), 1u);
    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(photos.snapshot(), before);
}

// A camera whose clock was an hour behind: once its offset is set in "Camera Clocks...", the
// order taken and the tooltip follow, the offset is kept for the next start, no photo changes.
TEST_F(PhotographerChoicesTest, ACameraClockSetRightPutsItsPhotosInTheTrueOrder) {
    for (const auto& [name, taken, model] : {std::tuple{"A_1.JPG", "2024:05:02 10:00:00", "EOS R5"},
                                             {"A_2.JPG", "2024:05:02 10:30:00", "EOS R5"},
                                             {"B_1.JPG", "2024:05:02 09:15:00", "EOS R6"}}) {
        writePhoto(name, {});
        km::fixtures::setExifTags(photos.filePath(name), {{"Exif.Photo.DateTimeOriginal", taken},
                                                          {"Exif.Image.Make", "Canon"},
                                                          {"Exif.Image.Model", model}});
    }
    const Content before = photos.snapshot();
    start("order=taken\n");
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_EQ(window->rows(), QStringList({"B_1.JPG", "A_1.JPG", "A_2.JPG"}));
    chooseInMenuWhenOpen("Camera &Clocks...");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    auto* dialog = window->findChild<QDialog*>("frmCameraClocks");
    ASSERT_NE(dialog, nullptr);
    auto* cameras = dialog->findChild<QTreeWidget*>("lvCameras");
    ASSERT_EQ(cameras->topLevelItemCount(), 2);
    EXPECT_EQ(cameras->topLevelItem(0)->text(0), "Canon EOS R6");
    EXPECT_EQ(cameras->topLevelItem(0)->text(2), "2024-05-02 09:15:00");
    cameras->setCurrentItem(cameras->topLevelItem(0));
    auto* offset = dialog->findChild<QLineEdit*>("tbOffset");
    auto* ok = dialog->findChild<QPushButton*>("bOK");
    offset->setText("+1:00");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(dialog->findChild<QLabel*>("lblError")->text().isEmpty());
    // The offset follows from when its photo was really taken.
    dialog->findChild<QLineEdit*>("tbRealTime")->setText("2024-05-02 10:15:00");
    EXPECT_EQ(offset->text(), "+01:00:00");
    ok->click();
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_EQ(window->rows(), QStringList({"A_1.JPG", "B_1.JPG", "A_2.JPG"}));
    EXPECT_EQ(toolTip(2), "taken 09:15:00 by the camera's clock, 10:15:00 after its +01:00:00");
    EXPECT_TRUE(config.snapshot().at("options.ini").endsWith("[Clocks]\nCanon EOS R6=+01:00:00\n"));
    window.reset();
    start({});
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    EXPECT_EQ(window->rows(), QStringList({"A_1.JPG", "B_1.JPG", "A_2.JPG"}));
    // Opened again, the window shows the offset kept and the times by the camera's own clock.
    chooseInMenuWhenOpen("Camera &Clocks...");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    dialog = window->findChild<QDialog*>("frmCameraClocks");
    ASSERT_NE(dialog, nullptr);
    const QTreeWidgetItem* r6 = dialog->findChild<QTreeWidget*>("lvCameras")->topLevelItem(1);
    EXPECT_EQ(r6->text(2) + " " + r6->text(4), "2024-05-02 09:15:00 +01:00:00");
    dialog->reject();
    EXPECT_EQ(photos.snapshot(), before);
}

TEST_F(PhotographerChoicesTest, AFileTwoPhotosClaimIsNamedAndNothingIsRenamed) {
    writePhoto("IMG_1.jpg", "");
    writePhoto("IMG_1.jpeg", "");
    photos.write("IMG_1.CR2", "raw");
    start("companions=true\n");
    const Content before = photos.snapshot();
    press(window->bRename, km::BoxAnswer::Ok);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.contains("\"IMG_1.CR2\""));
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.endsWith("Nothing was renamed."));
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_FALSE(window->bUndo->Enabled());
}

// Two cameras, one photo without a model and a RAW companion: the pattern's names, lower-case
// extensions for the photo and its companion, and an undo that gives every name back.
TEST_F(PhotographerChoicesTest, NamesFromAPatternAreGivenAndUndone) {
    const auto writeCameraPhoto = [this](const QString& name, const QString& taken,
                                         const QString& model) {
        writePhoto(name, taken);
        if (!model.isEmpty())
            km::fixtures::setExifTags(photos.filePath(name),
                                      {{"Exif.Photo.DateTimeOriginal", taken},
                                       {"Exif.Image.Make", "Canon"},
                                       {"Exif.Image.Model", model}});
    };
    writeCameraPhoto("IMG_2041.JPG", "2024:05:02 09:00:00", "Canon EOS R5");
    writeCameraPhoto("IMG_2042.JPG", "2024:05:02 10:00:00", "EOS/R6");
    writeCameraPhoto("scan 7.jpg", "2024:05:02 08:00:00", "");
    photos.write("IMG_2041.CR2", "raw");
    start("companions=true\nextcase=lower\npattern={date}_{camera}_{original}\n"
          "[Presets]\nDesigned again={prefix}{number}\n");
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    const Content before = photos.snapshot();
    const QStringList renamed{"2024-05-02_Canon EOS R5_2041.jpg",
                              "2024-05-02_Canon EOS-R6_2042.jpg"};
    EXPECT_EQ(window->newNames(), QStringList{""} + renamed);
    EXPECT_EQ(window->lvFiles->model()->index(0, 1).data().toString(), "(no camera model)");
    EXPECT_TRUE(toolTip(1).startsWith("no camera model in the photo's EXIF data"));
    EXPECT_EQ(window->lblExample->text(), "(Example: 2024-05-02_Canon EOS R5_2041.jpg)");

    press(window->bRename, km::BoxAnswer::Yes);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.endsWith(
        "1 photo without a value its name pattern needs keeps its name."));
    const Content after = photos.snapshot();
    for (const QString& name :
         renamed + QStringList{"2024-05-02_Canon EOS R5_2041.cr2", "scan 7.jpg"})
        EXPECT_EQ(after.count(name), 1u) << name.toStdString();
    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(photos.snapshot(), before);

    // A preset is one click away, and kept.
    chooseInMenuWhenOpen("Designed again\t{prefix}{number}");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(window->newNames(), QStringList({"foto_001.jpg", "foto_002.jpg", "foto_003.jpg"}));
    EXPECT_TRUE(config.snapshot().at("options.ini").contains("\npattern={prefix}{number}\n"));
}

// The Name Pattern window names the photos as the pattern is typed, refuses OK while it is
// wrong, and saves and deletes presets in options.ini.
TEST_F(PhotographerChoicesTest, TheNamePatternWindowShowsTheNamesAndKeepsPresets) {
    writePhoto("IMG_0001.JPG", "2024:05:02 09:00:00");
    start("order=name\n");
    chooseInMenuWhenOpen("Name &Pattern...");
    QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    auto* dialog = window->findChild<QDialog*>("frmNamePattern");
    ASSERT_NE(dialog, nullptr);
    auto* pattern = dialog->findChild<QLineEdit*>("tbPattern");
    auto* ok = dialog->findChild<QPushButton*>("bOK");
    auto* trial = dialog->findChild<QTreeWidget*>("lvTrial");
    pattern->setText("{date}/{original}");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog->findChild<QLabel*>("lblError")->text(),
              "Character 7 (\"/\") cannot be in a file name.");
    pattern->setText("{date}_{original}");
    ASSERT_EQ(trial->topLevelItemCount(), 1);
    EXPECT_EQ(trial->topLevelItem(0)->text(1), "2024-05-02_0001.JPG");

    QTimer::singleShot(0, [] {
        auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(ask, nullptr);
        ask->setTextValue("Mine = ours");
        ask->accept();
    });
    dialog->findChild<QPushButton*>("bSavePreset")->click();
    QTRY_VERIFY(
        config.snapshot().at("options.ini").contains("[Presets]\nMine ours={date}_{original}\n"));
    ok->click();
    EXPECT_EQ(window->newNames(), QStringList({"2024-05-02_0001.JPG"}));
    EXPECT_TRUE(config.snapshot().at("options.ini").contains("\npattern={date}_{original}\n"));
}

// The divider widens the list into the tree and its New Name column with it; with the window
// kept, its size, the list's width and the columns come back at the next start.
TEST_F(PhotographerChoicesTest, TheDividerWidensTheListAndAKeptWindowComesBackAsLeft) {
    photos.writeNamed({"a.jpg"});
    start("keepwindow=true\n");
    window->show();
    auto* divider = window->findChild<QWidget*>(QStringLiteral("divider"));
    ASSERT_NE(divider, nullptr);
    const int listWidth = window->lvFiles->width();
    const int newNameWidth = window->lvFiles->columnWidth(1);
    QTest::mousePress(divider, Qt::LeftButton, {}, QPoint(3, 10));
    QTest::mouseMove(divider, QPoint(-97, 10));
    QTest::mouseRelease(divider, Qt::LeftButton, {}, QPoint(-97, 10));
    EXPECT_EQ(window->lvFiles->width(), listWidth + 100);
    EXPECT_EQ(window->lvFiles->columnWidth(1), newNameWidth + 100);
    window->resize(790, 580);
    window->lvFiles->setColumnWidth(0, 190);
    window->close();

    start({});
    EXPECT_EQ(window->size(), QSize(790, 580));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->geometry()));
    EXPECT_EQ(window->lvFiles->width(), listWidth + 100);
    EXPECT_EQ(window->lvFiles->columnWidth(0), 190);
    EXPECT_EQ(window->lvFiles->columnWidth(1), newNameWidth + 100);

    // A place kept on a screen that is gone comes back on the one there is.
    window->close();
    start("keepwindow=true\n[Window]\ngeometry=5000,4000,700,9000\n");
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(window->geometry()));
    EXPECT_EQ(window->width(), 700);
    EXPECT_LE(window->height(), screen.height());
}

// A file copied in behind the program's back turns the row that would take its name red, with no
// click, while the list follows the folder.
TEST_F(PhotographerChoicesTest, AClashMadeBehindTheProgramsBackTurnsItsRowRed) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    start("followfolder=true\n");
    window->seam.stopClock();
    window->obRenameSelected->setChecked(true);
    window->seam.tick();
    photos.writeNamed({"foto_001.jpg"});
    for (int tick = 0; tick < 12; ++tick)
        window->seam.tick();
    ASSERT_EQ(window->rows(), QStringList({"a.jpg", "b.jpg", "foto_001.jpg"}));
    EXPECT_EQ(window->lvFiles->model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    EXPECT_TRUE(toolTip(1).startsWith("red: foto_001.jpg is the name of a file that keeps it"))
        << toolTip(1).toStdString();
}

bool isRed(WindowUnderTest& window, int row) {
    return window.lvFiles->model()->index(row - 1, 1).data(Qt::ForegroundRole).value<QColor>() ==
           QColor(255, 0, 0);
}

// While names are checked as typed, a prefix no file name can hold turns every row red and
// Rename! off with the reason, numbers that outgrow the digits turn their rows red while Rename!
// stays on, and the duplicates message names the first clash.
TEST_F(PhotographerChoicesTest, NamesCheckedAsTypedShowWhatWouldGoWrongBeforeTheQuestion) {
    photos.writeNamed({"a.jpg", "b.jpg", "c.jpg", "FOTO_0999.JPG"});
    start("checknames=true\n");
    window->tbPre->setText("trip/");
    window->seam.rescan();
    EXPECT_TRUE(isRed(*window, 1) && isRed(*window, 4));
    EXPECT_FALSE(window->bRename->Enabled());
    EXPECT_EQ(window->bRename->toolTip(), "Rename! is off: trip/001.jpg cannot be a file name, "
                                          "as a file name cannot contain \"/\".");
    EXPECT_TRUE(toolTip(1).startsWith("red: trip/001.jpg cannot be a file name"));

    window->tbPre->setText("foto_");
    window->tbStart->setText("998");
    window->seam.rescan();
    EXPECT_EQ(window->newNames(),
              QStringList({"foto_998.jpg", "foto_999.jpg", "foto_000.jpg", "foto_001.JPG"}));
    EXPECT_FALSE(isRed(*window, 2));
    EXPECT_TRUE(isRed(*window, 3) && isRed(*window, 4));
    EXPECT_TRUE(window->bRename->Enabled());
    EXPECT_TRUE(window->lblExample->toolTip().contains("1000 becomes 000"));

    // Only the first row is renamed, to the name another file keeps in other letter case.
    window->tbLen->setText("4");
    window->tbStart->setText("999");
    window->obRenameSelected->setChecked(true);
    window->seam.rescan();
    ASSERT_EQ(window->newNames(), QStringList({"foto_0999.jpg", "", "", ""}));
    press(window->bRename, km::BoxAnswer::Yes);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.endsWith(
        "First: a.jpg, as foto_0999.jpg differs only in letter case from FOTO_0999.JPG, a file "
        "that keeps its name; a memory card or a Windows share holds the two as one name."))
        << km::MessageBoxSeam::lastCall().BoxPrompt.toStdString();
}

// With counts chosen, the question counts the photos and a note says what was done.
TEST_F(PhotographerChoicesTest, CountsNameThePhotosInTheQuestionAndAfterARenameAndAnUndo) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    start("counts=true\n");
    const QString folder = km::fs::folderNameOf(photos.path());
    press(window->bRename, km::BoxAnswer::Yes);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.endsWith(
        "rename these images?\r\n2 photos in " + folder + "."));
    EXPECT_EQ(window->rows(), QStringList({"foto_001.jpg", "foto_002.jpg"}));
    EXPECT_EQ(window->lblExample->text(),
              "(2 photos renamed in " + folder + ". Undo gives their names back.)");
    press(window->bUndo, km::BoxAnswer::Yes);
    EXPECT_EQ(window->lblExample->text(), "(2 files have their names back.)");
}

// The terminal's dry run lists the same names as the window for the same choices.
TEST_F(PhotographerChoicesTest, TheTerminalsDryRunGivesTheWindowsNames) {
    writePhoto("b.jpg", "2024:05:01 10:00:00");
    writePhoto("a.jpg", "2024:05:01 11:00:00");
    writePhoto("c.jpg", {});
    start("date=date\nnumbers=restart\nextcase=upper\n");
    ASSERT_TRUE(window->seam.waitForDatesTaken());
    const km::TerminalRenamePlan plan = km::planTerminalRename(
        km::readTerminalRequest({"kestrelmark", "rename", photos.path()}).rename,
        {program.filePath("Kestrelmark.cfg"), config.filePath("options.ini"), QString()});
    QStringList names;
    QStringList newNames;
    for (const km::TerminalRow& row : plan.rows) {
        names << row.name;
        newNames << row.newName;
    }
    EXPECT_EQ(names, window->rows());
    EXPECT_EQ(newNames, QStringList({"foto_2024-05-01_001.JPG", "foto_2024-05-01_002.JPG", ""}));
    EXPECT_EQ(window->newNames(), newNames);
}

} // namespace
