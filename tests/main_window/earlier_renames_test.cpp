// SPDX-License-Identifier: MIT
#include "dialogs/message_box.h"
#include "photo_list/list_view.h"
#include "seams/message_box_seam.h"
#include "support/temp_folder.h"
#include "window_under_test.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class EarlierRenamesTest : public testing::Test {
protected:
    void start() {
        window = std::make_unique<WindowUnderTest>(program.path(), photos.path(), state.path());
        window->load();
    }

    void openEarlierRenamesFromTheMenu() {
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == "Undo an &Earlier Rename...")
                    action->trigger();
            }
            menu->close();
        });
        QTest::keyClick(window->lvFiles, Qt::Key_F10, Qt::ShiftModifier);
    }

    QDialog* earlierRenames() const { return window->findChild<QDialog*>("frmEarlierRenames"); }

    TempFolder program;
    TempFolder photos;
    TempFolder state;
    std::unique_ptr<WindowUnderTest> window;
};

// Rename, close, start again, replace one renamed photo, then Enter in "Earlier Renames": the
// others get their names back, the message names the replaced one, and the list is rescanned.
TEST_F(EarlierRenamesTest, EnterInTheWindowGivesTheUntouchedPhotosTheirNamesBack) {
    photos.writeNamed({"IMG_1.JPG", "IMG_2.JPG", "IMG_3.JPG"});
    start();
    km::MessageBoxSeam::setNextAnswer(km::BoxAnswer::Yes);
    emit window->bRename->Click();
    km::MessageBoxSeam::clearNextAnswers();
    ASSERT_EQ(window->rows(), QStringList({"foto_001.JPG", "foto_002.JPG", "foto_003.JPG"}));
    window->close();
    start();
    QFile::remove(photos.filePath("foto_003.JPG"));
    photos.write("foto_003.JPG", "another photo");

    openEarlierRenamesFromTheMenu();
    QDialog* dialog = earlierRenames();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Earlier Renames");
    auto* batches = dialog->findChild<QTreeWidget*>("lvBatches");
    ASSERT_EQ(batches->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = batches->currentItem();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(1), photos.pathWithSeparator());
    EXPECT_EQ(row->text(2), "3");
    EXPECT_EQ(row->text(3), "IMG_1.JPG -> foto_001.JPG");
    EXPECT_EQ(row->text(4), "some changed since");

    const int boxes = km::MessageBoxSeam::callCount();
    km::MessageBoxSeam::setNextAnswer(km::BoxAnswer::Ok);
    QTest::keyClick(batches, Qt::Key_Return);
    km::MessageBoxSeam::clearNextAnswers();
    EXPECT_EQ(km::MessageBoxSeam::callCount(), boxes + 1);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxTitle, "Earlier Renames");
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxPrompt,
              "2 files got their names back.\r\nThese files were left alone:\r\n"
              "\"foto_003.JPG\" is another file now.");
    EXPECT_EQ(window->rows(), QStringList({"foto_003.JPG", "IMG_1.JPG", "IMG_2.JPG"}));
    EXPECT_EQ(photos.snapshot(),
              (std::map<QString, QByteArray>{{"IMG_1.JPG", "IMG_1.JPG"},
                                             {"IMG_2.JPG", "IMG_2.JPG"},
                                             {"foto_003.JPG", "another photo"}}));
}

} // namespace
