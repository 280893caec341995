// SPDX-License-Identifier: MIT
#include "dialogs/message_box.h"
#include "photo_list/list_view.h"
#include "seams/message_box_seam.h"
#include "support/dark_palette.h"
#include "support/temp_folder.h"
#include "widgets/check_box.h"
#include "widgets/folder_tree.h"
#include "widgets/picture_box.h"
#include "widgets/readable_colour.h"
#include "window_under_test.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A program folder for the settings file and a photo folder the tree starts on.
class MainWindowTest : public testing::Test {
protected:
    std::unique_ptr<WindowUnderTest> start() {
        auto window = std::make_unique<WindowUnderTest>(program.path(), photos.path());
        window->load();
        return window;
    }

    void writeSettings(const QByteArray& content) { program.write("Kestrelmark.cfg", content); }

    TempFolder program;
    TempFolder photos;
};

TEST_F(MainWindowTest, WithoutSettingsFileTheDesignedValuesListTheTreesFolder) {
    photos.writeNamed({"b.jpg", "a.jpg", "c.gif"});
    auto window = start();
    EXPECT_EQ(window->tbPre->text(), "foto_");
    EXPECT_EQ(window->tbStart->text(), "1");
    EXPECT_EQ(window->tbLen->text(), "3");
    EXPECT_EQ(window->cbJPG->value(), 1);
    EXPECT_EQ(window->cbBMP->value(), 0);
    EXPECT_EQ(window->cbGIF->value(), 0);
    EXPECT_EQ(window->cbPreview->value(), 0);
    EXPECT_TRUE(window->obRenameAll->isChecked());
    EXPECT_FALSE(window->bUndo->Enabled());
    EXPECT_EQ(window->seam.currentFolder(), photos.pathWithSeparator());
    EXPECT_EQ(window->seam.settingsFile(), program.filePath("Kestrelmark.cfg"));
    EXPECT_EQ(window->rows(), QStringList({"a.jpg", "b.jpg"}));
    EXPECT_EQ(window->newNames(), QStringList({"foto_001.jpg", "foto_002.jpg"}));
    EXPECT_EQ(window->lblExample->text(), "(Example: foto_001, foto_002, foto_003)");
    EXPECT_TRUE(window->bRename->Enabled());
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 100);
    EXPECT_FALSE(window->seam.loading());
}

TEST_F(MainWindowTest, SettingsFileIsRestoredAndWrittenBackOnUnload) {
    TempFolder other;
    other.writeNamed({"x.bmp", "y.jpg"});
    writeSettings((other.path() + "\r\nimg_\r\n7\r\n2\r\n0\r\n1\r\n0\r\n1\r\nN\r\n").toUtf8());
    auto window = start();
    EXPECT_EQ(window->tbPre->text(), "img_");
    EXPECT_EQ(window->tbStart->text(), "7");
    EXPECT_EQ(window->tbLen->text(), "2");
    EXPECT_EQ(window->cbJPG->value(), 0);
    EXPECT_EQ(window->cbBMP->value(), 1);
    EXPECT_EQ(window->cbPreview->value(), 1);
    EXPECT_TRUE(window->obRenameSelected->isChecked());
    EXPECT_EQ(window->FolderTreeview1->selectedPath(), other.path());
    EXPECT_EQ(window->seam.currentFolder(), other.pathWithSeparator());
    EXPECT_EQ(window->rows(), QStringList({"x.bmp"}));
    EXPECT_EQ(window->newNames(), QStringList({"img_07.bmp"}));

    window->tbStart->setText("not a number");
    window->close();
    EXPECT_EQ(
        program.snapshot().at("Kestrelmark.cfg"),
        (other.path() + "\r\nimg_\r\nnot a number\r\n2\r\n0\r\n1\r\n0\r\n1\r\nN\r\n").toUtf8());
}

TEST_F(MainWindowTest, AnEmptySettingsFileClearsEverythingAndScansNothing) {
    photos.writeNamed({"a.jpg"});
    writeSettings("");
    auto window = start();
    EXPECT_EQ(window->tbPre->text(), "");
    EXPECT_EQ(window->tbStart->text(), "");
    EXPECT_EQ(window->tbLen->text(), "");
    EXPECT_EQ(window->cbJPG->value(), 0);
    EXPECT_TRUE(window->obRenameAll->isChecked());
    EXPECT_EQ(window->seam.currentFolder(), "");
    EXPECT_EQ(window->lvFiles->rowTotal(), 0);
}

TEST_F(MainWindowTest, AShortOrOddSettingsFileKeepsWhatItCouldRead) {
    photos.writeNamed({"a.jpg"});
    writeSettings(
        (photos.path() + "\r\npre\r\n3\r\n 1\r\n1.5\r\n9\r\n0.5\r\n-7\r\ny\r\n").toUtf8());
    auto window = start();
    EXPECT_EQ(window->tbLen->text(), " 1");
    EXPECT_EQ(window->cbJPG->value(), 2); // greyed: counts as unchecked for the scan
    EXPECT_EQ(window->cbBMP->value(), 0);
    EXPECT_EQ(window->cbGIF->value(), 0);
    EXPECT_EQ(window->cbPreview->value(), 0);
    EXPECT_TRUE(window->obRenameSelected->isChecked());
    EXPECT_EQ(window->lvFiles->rowTotal(), 0);

    writeSettings((photos.path() + "\r\npre\r\n3\r\n1\r\n").toUtf8());
    window = start();
    EXPECT_EQ(window->cbJPG->value(), 0);
    EXPECT_TRUE(window->obRenameAll->isChecked());
}

TEST_F(MainWindowTest, AFolderThatVanishedGivesAnEmptyList) {
    writeSettings("/no/such/folder\r\nfoto_\r\n1\r\n3\r\n1\r\n1\r\n1\r\n0\r\nY\r\n");
    auto window = start();
    EXPECT_EQ(window->seam.currentFolder(), "/no/such/folder/");
    EXPECT_EQ(window->seam.foundCount(), 0);
    EXPECT_EQ(window->lvFiles->rowTotal(), 0);
    EXPECT_EQ(window->FolderTreeview1->selectedPath(), photos.path());
}

TEST_F(MainWindowTest, AStartFolderIsListedInsteadOfTheSettingsFolderAndKeptAtExit) {
    TempFolder trip;
    trip.writeNamed({"a.jpg"});
    writeSettings((photos.path() + "\r\npic_\r\n1\r\n3\r\n1\r\n0\r\n0\r\n0\r\nY\r\n").toUtf8());
    WindowUnderTest window(program.path(), photos.path());
    window.setStartFolder(trip.path());
    window.load();
    EXPECT_EQ(window.newNames(), QStringList({"pic_001.jpg"}));
    window.close();
    EXPECT_EQ(program.snapshot().at("Kestrelmark.cfg"),
              (trip.path() + "\r\npic_\r\n1\r\n3\r\n1\r\n0\r\n0\r\n0\r\nY\r\n").toUtf8());
}

TEST_F(MainWindowTest, ScanListsEachTypeGroupWithItsIconAndSelectsTheFirstRow) {
    photos.writeNamed({"b.JPG", "a.jpg", "c.jpeg", "d.bmp", "e.gif", "f.png", ".h.jpg"});
    auto window = start();
    window->cbBMP->setValue(1);
    window->cbGIF->setValue(1);
    EXPECT_EQ(window->rows(), QStringList({"a.jpg", "b.JPG", "c.jpeg", "d.bmp", "e.gif"}));
    EXPECT_EQ(window->seam.foundCount(), 5);
    EXPECT_EQ(window->seam.foundFiles(), window->rows());
    const QAbstractItemModel* model = window->lvFiles->model();
    for (int row : {0, 1, 2, 3, 4})
        EXPECT_TRUE(model->index(row, 0).data(Qt::DecorationRole).isValid()) << row;
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(window->lvFiles->isSelected(row), row == 1) << row;

    window->cbJPG->setValue(0);
    EXPECT_EQ(window->rows(), QStringList({"d.bmp", "e.gif"}));
    EXPECT_TRUE(window->lvFiles->isSelected(1));
    EXPECT_FALSE(window->lvFiles->isSelected(2));

    window->cbGIF->setValue(0);
    EXPECT_EQ(window->rows(), QStringList({"d.bmp"}));
}

TEST_F(MainWindowTest, ATypeClickWithAnEmptyFolderListsTheRoot) {
    writeSettings("");
    auto window = start();
    window->cbJPG->setValue(1);
    EXPECT_EQ(window->seam.currentFolder(), "/");
}

TEST_F(MainWindowTest, EditsRescanTenTicksAfterTheLastKeystroke) {
    photos.writeNamed({"a.jpg"});
    auto window = start();
    window->seam.stopClock();
    for (int i = 0; i < 5; ++i)
        window->seam.tick();
    photos.writeNamed({"b.jpg"});
    window->tbPre->setText("x_");
    EXPECT_EQ(window->lblExample->text(), "(Example: x_001, x_002, x_003)");
    EXPECT_EQ(window->seam.rescanDueTick(), 5);
    for (int i = 0; i < 9; ++i)
        window->seam.tick();
    EXPECT_EQ(window->rows(), QStringList({"a.jpg"}));
    window->seam.tick();
    EXPECT_EQ(window->rows(), QStringList({"a.jpg", "b.jpg"}));
    EXPECT_EQ(window->newNames(), QStringList({"x_001.jpg", "x_002.jpg"}));
    EXPECT_EQ(window->seam.rescanDueTick(), 0);
}

// The rows selected for "Rename Selected Only" stay selected, by name, when the list is rebuilt
// after a new prefix; another folder starts from its first row.
TEST_F(MainWindowTest, TheSelectionOutlivesTheRescanAfterAnEdit) {
    photos.writeNamed({"a.jpg", "b.jpg", "c.jpg"});
    auto window = start();
    window->seam.stopClock();
    window->seam.tick();
    window->obRenameSelected->click();
    window->lvFiles->setSelected(1, false);
    window->lvFiles->setSelected(2, true);
    window->lvFiles->setSelected(3, true);
    photos.writeNamed({"0.jpg"});
    window->tbPre->setText("x_");
    for (int i = 0; i < 10; ++i)
        window->seam.tick();
    EXPECT_EQ(window->rows(), QStringList({"0.jpg", "a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(window->lvFiles->selectedFlags(), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(window->newNames(), QStringList({"", "", "x_001.jpg", "x_002.jpg"}));
}

TEST_F(MainWindowTest, AnEditBeforeTheFirstTickSchedulesNothing) {
    auto window = start();
    window->seam.stopClock();
    window->tbPre->setText("y_");
    EXPECT_EQ(window->seam.rescanDueTick(), 0);
}

TEST_F(MainWindowTest, ModifierKeysAreRecordedWhateverControlHasTheFocus) {
    auto window = start();
    window->activateWindow();
    window->tbPre->setFocus();
    QTest::keyPress(window->tbPre, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(window->seam.shiftState(), 1);
    QTest::keyPress(window->tbPre, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(window->seam.shiftState(), 3);
    QTest::keyRelease(window->tbPre, Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(window->tbPre, Qt::Key_Shift, {});
    EXPECT_EQ(window->seam.shiftState(), 0);
}

TEST_F(MainWindowTest, APastedLineBreakReachesNeitherTheNamesNorTheSettingsFile) {
    photos.writeNamed({"a.jpg"});
    auto window = start();
    window->tbPre->selectAll();
    window->tbPre->insert("x\r\ny\tz_");
    EXPECT_EQ(window->tbPre->text(), "xyz_");
    window->seam.rescan();
    EXPECT_EQ(window->newNames(), QStringList({"xyz_001.jpg"}));
    window->close();
    EXPECT_EQ(program.snapshot().at("Kestrelmark.cfg").split('\n').size(), 10);
}

TEST_F(MainWindowTest, AModifierReleasedWhileADialogHadTheKeysIsForgottenOnReturn) {
    auto window = start();
    QTest::keyPress(window->lvFiles, Qt::Key_Alt, Qt::AltModifier);
    ASSERT_EQ(window->seam.shiftState(), 4);
    QWidget dialog;
    QTest::keyRelease(&dialog, Qt::Key_Alt);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(window->seam.shiftState(), 0);
}

TEST_F(MainWindowTest, ARenameClickArrivingDuringAScanRunsAfterTheScan) {
    photos.writeNamed({"a.jpg"});
    auto window = start();
    const int before = km::MessageBoxSeam::callCount();
    int questionsDuringScan = -1;
    QTimer::singleShot(0, window.get(), [&] {
        emit window->bRename->Click();
        questionsDuringScan = km::MessageBoxSeam::callCount() - before;
    });
    km::MessageBoxSeam::setNextAnswer(km::BoxAnswer::No);
    emit window->cbGIF->Click();
    km::MessageBoxSeam::clearNextAnswers();
    EXPECT_EQ(questionsDuringScan, 0);
    EXPECT_EQ(km::MessageBoxSeam::callCount() - before, 1);
}

TEST_F(MainWindowTest, ExitWritesTheSettingsFileEvenWithoutOne) {
    auto window = start();
    emit window->bExit->Click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program.snapshot().at("Kestrelmark.cfg"),
              (photos.path() + "\r\nfoto_\r\n1\r\n3\r\n1\r\n0\r\n0\r\n0\r\nY\r\n").toUtf8());
}

TEST_F(MainWindowTest, AProgramFolderThatCannotBeWrittenDoesNotStopTheEnd) {
    auto window = std::make_unique<WindowUnderTest>(program.filePath("missing"), photos.path());
    window->load();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program.snapshot().size(), 0u);
}

TEST_F(MainWindowTest, StartsWithThreePreviewBoxesAtTheDesignedSize) {
    auto window = start();
    EXPECT_EQ(window->seam.preview().count, 3);
    EXPECT_EQ(window->seam.preview().loaded, 3);
    EXPECT_EQ(window->seam.preview().dueTick, 0);
    EXPECT_EQ(window->width(), 777);
    EXPECT_EQ(window->height(), 462);
}

TEST_F(MainWindowTest, GrowingTheWindowSchedulesTheNewBoxForTheTimer) {
    auto window = start();
    window->seam.stopClock();
    window->seam.tick();
    window->resize(777, 588); // 8820 twips
    EXPECT_EQ(window->seam.preview().count, 4);
    EXPECT_EQ(window->seam.preview().start, 3);
    EXPECT_EQ(window->seam.preview().dueTick, 1);
    EXPECT_TRUE(window->pbPreview(3)->isVisibleTo(window.get()));
    for (int i = 0; i < 3; ++i)
        window->seam.tick();
    EXPECT_EQ(window->seam.preview().dueTick, 0);
    EXPECT_EQ(window->seam.preview().start, 0);
}

// The pixels of the second row's name (not selected) that are light.
int lightPixelsOfSecondRow(km::ListView* list) {
    const QImage image = list->viewport()->grab().toImage();
    const QRect row = list->visualRect(list->model()->index(1, 0));
    int light = 0;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left() + 24; x < row.right(); ++x)
            light += QColor(image.pixel(x, y)).lightness() > 180 ? 1 : 0;
    return light;
}

// Under a dark theme, the buttons the design paints itself look exactly as in the light one, and
// the frames' captions, their labels and the list's rows stand out from their grounds.
TEST_F(MainWindowTest, ADarkPaletteKeepsTheDesignedFacesAndLeavesEverythingElseReadable) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    auto window = start();
    window->show();
    const QImage lightExit = window->bExit->grab().toImage();
    const QImage lightAbout = window->bAbout->grab().toImage();
    window.reset();

    DarkPaletteScope dark;
    window = start();
    window->show();
    EXPECT_EQ(window->bExit->grab().toImage(), lightExit);
    EXPECT_EQ(window->bAbout->grab().toImage(), lightAbout);
    const QColor ground = window->palette().color(QPalette::Window);
    auto* frame = window->findChild<QGroupBox*>(QStringLiteral("frameFiles"));
    auto* label = window->findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_GE(km::contrastRatio(frame->palette().color(QPalette::WindowText), ground), 3.0);
    EXPECT_GE(km::contrastRatio(label->palette().color(QPalette::WindowText), ground), 4.5);
    EXPECT_GT(lightPixelsOfSecondRow(window->lvFiles), 10);
}

// Reached with Tab, the tree and the list show a frame; a click takes it away again.
TEST_F(MainWindowTest, TheTreeAndTheListShowTheFocusTheKeyboardBrings) {
    photos.writeNamed({"a.jpg"});
    auto window = start();
    window->show();
    auto* listFrame = window->findChild<QWidget*>(QStringLiteral("lvFilesFocusFrame"));
    ASSERT_NE(listFrame, nullptr);
    window->lvFiles->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(listFrame->isVisible());
    window->FolderTreeview1->setFocus(Qt::OtherFocusReason);
    window->lvFiles->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(listFrame->isVisible());
    QTest::mouseClick(window->lvFiles->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(listFrame->isVisible());
}

} // namespace
