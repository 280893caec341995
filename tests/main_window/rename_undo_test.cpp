// SPDX-License-Identifier: MIT
#include "dialogs/message_box.h"
#include "history/history_folder.h"
#include "journal/journal.h"
#include "photo_list/list_view.h"
#include "seams/message_box_seam.h"
#include "support/temp_folder.h"
#include "widgets/folder_tree.h"
#include "window_under_test.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Content = std::map<QString, QByteArray>;
constexpr km::BoxAnswer kYes = km::BoxAnswer::Yes;
constexpr km::BoxAnswer kNo = km::BoxAnswer::No;
constexpr km::BoxAnswer kOk = km::BoxAnswer::Ok;

class RenameUndoTest : public testing::Test {
protected:
    RenameUndoTest() { window = std::make_unique<WindowUnderTest>(program.path(), photos.path()); }

    void start() { window->load(); }

    // Presses a button as the user would, with the message box answering `answer` and then OK
    // to any report that follows.
    void press(km::XPButton* button, km::BoxAnswer answer) {
        km::MessageBoxSeam::setNextAnswer(answer);
        km::MessageBoxSeam::setNextAnswer(kOk);
        km::MessageBoxSeam::setNextAnswer(kOk);
        emit button->Click();
        km::MessageBoxSeam::clearNextAnswers();
    }

    QString lastTitle() const { return km::MessageBoxSeam::lastCall().BoxTitle; }
    bool isRed(int row) const {
        return window->lvFiles->model()
                   ->index(row - 1, 1)
                   .data(Qt::ForegroundRole)
                   .value<QColor>() == QColor(255, 0, 0);
    }

    TempFolder program;
    TempFolder photos;
    std::unique_ptr<WindowUnderTest> window;
};

TEST_F(RenameUndoTest, RenameAfterYesThenUndoAfterYesRestoresEveryName) {
    photos.writeNamed({"IMG_1.JPG", "IMG_2.jpg", "notes.txt"});
    start();
    const Content before = photos.snapshot();
    press(window->bRename, kYes);
    EXPECT_EQ(lastTitle(), "Rename Images");
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.JPG", "IMG_1.JPG"},
                                          {"foto_002.jpg", "IMG_2.jpg"},
                                          {"notes.txt", "notes.txt"}}));
    EXPECT_EQ(window->rows(), QStringList({"foto_001.JPG", "foto_002.jpg"}));
    EXPECT_EQ(window->seam.undoList().folder, photos.pathWithSeparator());
    EXPECT_EQ(window->seam.undoList().pairs,
              (std::vector<km::RenamePair>{{"IMG_1.JPG", "foto_001.JPG"},
                                           {"IMG_2.jpg", "foto_002.jpg"}}));
    EXPECT_TRUE(window->bUndo->Enabled());

    press(window->bUndo, kYes);
    EXPECT_EQ(lastTitle(), "Undo Rename");
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_FALSE(window->bUndo->Enabled());
    EXPECT_EQ(window->rows(), QStringList({"IMG_1.JPG", "IMG_2.jpg"}));
}

TEST_F(RenameUndoTest, AChainIntoNamesTheBatchFreesSucceedsBothWays) {
    photos.write("foto_001.jpg", "first");
    photos.write("foto_002.jpg", "second");
    start();
    // foto_001 -> foto_002 while foto_002 -> foto_003: each target is freed by the batch itself.
    window->tbStart->setText("2");
    window->seam.rescan();
    press(window->bRename, kYes);
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_002.jpg", "first"}, {"foto_003.jpg", "second"}}));
    press(window->bUndo, kYes);
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.jpg", "first"}, {"foto_002.jpg", "second"}}));
}

TEST_F(RenameUndoTest, DeclinedQuestionsChangeNothing) {
    photos.writeNamed({"a.jpg"});
    start();
    const Content before = photos.snapshot();
    press(window->bRename, kNo);
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_TRUE(window->seam.undoList().pairs.empty());
    EXPECT_FALSE(window->bUndo->Enabled());

    press(window->bRename, kYes);
    const Content renamed = photos.snapshot();
    const std::vector<km::RenamePair> record = window->seam.undoList().pairs;
    press(window->bRename, kNo);
    press(window->bUndo, kNo);
    EXPECT_EQ(photos.snapshot(), renamed);
    EXPECT_EQ(window->seam.undoList().pairs, record);
    EXPECT_TRUE(window->bUndo->Enabled());
}

TEST_F(RenameUndoTest, ACollisionWithAKeptFileIsRefusedAndShownRed) {
    photos.writeNamed({"foto_001.jpg", "IMG_5.JPG"});
    start();
    window->obRenameSelected->setChecked(true);
    window->lvFiles->setSelected(1, false);
    window->lvFiles->setSelected(2, true);
    emit window->lvFiles->Click();
    ASSERT_EQ(window->lvFiles->subItem(2), "foto_001.JPG");
    const Content before = photos.snapshot();
    press(window->bRename, kOk);
    EXPECT_EQ(lastTitle(), "Duplicates found");
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxStyle, 48);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxPrompt,
              "Can't rename since this will result\r\nin duplicate filenames. These are\r\n"
              "shown in RED in the file list.");
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_TRUE(isRed(2));
    EXPECT_FALSE(isRed(1));
    EXPECT_FALSE(window->bUndo->Enabled());
}

TEST_F(RenameUndoTest, ALeftoverTemporaryFileIsRefusedBeforeAnythingMoves) {
    photos.writeNamed({"a.jpg", "b.jpg", "_KM_foto_002.jpg"});
    start();
    const Content before = photos.snapshot();
    ASSERT_EQ(window->rows(), QStringList({"_KM_foto_002.jpg", "a.jpg", "b.jpg"}));
    // Only a.jpg and b.jpg are numbered, so the leftover stands in the way of b.jpg's move.
    window->obRenameSelected->setChecked(true);
    window->lvFiles->setSelected(1, false);
    window->lvFiles->setSelected(2, true);
    window->lvFiles->setSelected(3, true);
    emit window->lvFiles->Click();
    press(window->bRename, kYes);
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxStyle, 48);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.contains("_KM_foto_002.jpg"));
    EXPECT_TRUE(window->seam.undoList().pairs.empty());
    EXPECT_FALSE(window->bUndo->Enabled());
}

// Another file under a listed name (a card copied in again) is not the photo the list showed.
TEST_F(RenameUndoTest, AListedPhotoReplacedSinceTheScanIsRefused) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    start();
    photos.write("other.jpg", "another photo");
    ASSERT_EQ(std::rename(photos.filePath("other.jpg").toUtf8().constData(),
                          photos.filePath("b.jpg").toUtf8().constData()),
              0);
    const Content before = photos.snapshot();
    press(window->bRename, kYes);
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.contains(
        "\"b.jpg\" was replaced by another file since the list was made."));
}

TEST_F(RenameUndoTest, RowsGivenTheSameNewNameAreRefusedAndShownRed) {
    for (int i = 1; i <= 11; ++i)
        photos.write(QString("p%1.jpg").arg(i), QByteArray::number(i));
    start();
    window->tbLen->setText("1");
    window->seam.rescan();
    ASSERT_EQ(window->lvFiles->subItem(11), "foto_1.jpg");
    const Content before = photos.snapshot();
    press(window->bRename, kYes);
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_TRUE(isRed(1));
    EXPECT_TRUE(isRed(11));
    EXPECT_FALSE(isRed(2));
}

TEST_F(RenameUndoTest, UndoWorksInTheRenamedFolderWhileAnotherIsShown) {
    photos.writeNamed({"IMG_1.JPG"});
    start();
    press(window->bRename, kYes);
    TempFolder other;
    other.writeNamed({"x.jpg"});
    window->FolderTreeview1->setSelectedPath(other.path());
    emit window->FolderTreeview1->Click();
    press(window->bUndo, kYes);
    EXPECT_EQ(photos.snapshot(), (Content{{"IMG_1.JPG", "IMG_1.JPG"}}));
    EXPECT_EQ(other.snapshot(), (Content{{"x.jpg", "x.jpg"}}));
    EXPECT_EQ(window->rows(), QStringList({"x.jpg"}));
}

TEST_F(RenameUndoTest, RenamingTwiceThenUndoReversesOnlyTheSecond) {
    photos.writeNamed({"IMG_1.JPG"});
    start();
    press(window->bRename, kYes);
    window->tbPre->setText("trip_");
    window->seam.rescan();
    press(window->bRename, kYes);
    EXPECT_EQ(photos.snapshot(), (Content{{"trip_001.JPG", "IMG_1.JPG"}}));
    press(window->bUndo, kYes);
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.JPG", "IMG_1.JPG"}}));
}

TEST_F(RenameUndoTest, AnUndoThatCannotRunKeepsItsRecordAndButton) {
    photos.writeNamed({"IMG_1.JPG"});
    start();
    press(window->bRename, kYes);
    // Someone takes the original name back behind the program's back.
    photos.write("IMG_1.JPG", "intruder");
    const Content before = photos.snapshot();
    const std::vector<km::RenamePair> record = window->seam.undoList().pairs;
    press(window->bUndo, kYes);
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxStyle, 48);
    EXPECT_EQ(window->seam.undoList().pairs, record);
    EXPECT_TRUE(window->bUndo->Enabled());
}

TEST_F(RenameUndoTest, NamesHoldingABarAreUndoneExactly) {
    photos.write("p|q.jpg", "P");
    photos.write("q.jpg|foto_001.jpg", "Q");
    photos.write("holiday|2023.jpg", "H");
    start();
    const Content before = photos.snapshot();
    press(window->bRename, kYes);
    ASSERT_EQ(photos.snapshot().count("foto_003.jpg"), 1u);
    press(window->bUndo, kYes);
    EXPECT_EQ(photos.snapshot(), before);
}

TEST_F(RenameUndoTest, TheRenameTakesTheRowsAsTheyStoodAtTheClick) {
    photos.writeNamed({"a.jpg", "b.jpg", "c.jpg"});
    start();
    window->obRenameSelected->setChecked(true);
    window->lvFiles->setSelected(1, false);
    window->lvFiles->setSelected(2, true);
    window->lvFiles->setSelected(3, true);
    emit window->lvFiles->Click();
    window->seam.tick();
    window->tbPre->setText("new_"); // the list follows ten ticks later
    // Ticks pass while the question is open; then the user answers Yes.
    QTimer::singleShot(0, window.get(), [this] {
        for (int tick = 0; tick < 12; ++tick)
            window->seam.tick();
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        emit box->findChild<km::XPButton*>("bYesOk")->Click();
    });
    emit window->bRename->Click();
    EXPECT_EQ(photos.snapshot(),
              (Content{{"a.jpg", "a.jpg"}, {"foto_001.jpg", "b.jpg"}, {"foto_002.jpg", "c.jpg"}}));
}

TEST_F(RenameUndoTest, WhenEveryListedPhotoVanishedTheRenameShowsNoEmptyBox) {
    photos.writeNamed({"a.jpg"});
    start();
    press(window->bRename, kYes);
    const km::BatchPlan record = window->seam.undoList();
    QFile::remove(photos.filePath("foto_001.jpg"));
    window->seam.rescan();
    const int before = km::MessageBoxSeam::callCount();
    km::MessageBoxSeam::setNextAnswer(kYes);
    emit window->bRename->Click();
    km::MessageBoxSeam::clearNextAnswers();
    EXPECT_EQ(km::MessageBoxSeam::callCount() - before, 1);
    EXPECT_EQ(window->seam.undoList().pairs, record.pairs);
    EXPECT_TRUE(window->bUndo->Enabled());
}

} // namespace

namespace {

TEST(RenameWithJournal, TheJournalLivesOnlyWhileTheBatchRuns) {
    TempFolder program;
    TempFolder photos;
    TempFolder data;
    photos.writeNamed({"IMG_1.JPG"});
    WindowUnderTest window(program.path(), photos.path(), data.path());
    window.load();
    km::MessageBoxSeam::setNextAnswer(kYes);
    emit window.bRename->Click();
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.JPG", "IMG_1.JPG"}}));
    // What stays is the batch's entry in the history of earlier renames.
    EXPECT_TRUE(km::journalsIn(data.path()).isEmpty());
    EXPECT_EQ(km::HistoryFolder(data.filePath("history")).files().size(), 1);
}

} // namespace

namespace {

TEST(RenameWithJournal, ABatchLeftUnansweredAtStartIsAskedAboutBeforeTheNextRename) {
    TempFolder program;
    TempFolder photos;
    TempFolder data;
    photos.write("_KM_x.jpg", "A");
    {
        // A batch a.jpg -> x.jpg, cut short after its first pass.
        struct stat file {};
        ASSERT_EQ(::stat(QFile::encodeName(photos.filePath("_KM_x.jpg")).constData(), &file), 0);
        km::JournalFile journal(data.path());
        ASSERT_TRUE(journal
                        .begin({km::BatchKind::Rename,
                                photos.pathWithSeparator(),
                                {{"a.jpg", "x.jpg", {file.st_ino}}}})
                        .ok());
    }
    WindowUnderTest window(program.path(), photos.path(), data.path());
    km::MessageBoxSeam::setNextAnswer(
        km::BoxAnswer::Cancel); // the question closed without an answer
    window.load();
    EXPECT_EQ(photos.snapshot(), (Content{{"_KM_x.jpg", "A"}}));

    km::MessageBoxSeam::setNextAnswer(kYes);
    km::MessageBoxSeam::setNextAnswer(kNo);
    emit window.bRename->Click();
    km::MessageBoxSeam::clearNextAnswers();
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxTitle, "Interrupted Rename");
    EXPECT_EQ(photos.snapshot(), (Content{{"x.jpg", "A"}}));
    // The finished batch is recorded among the earlier renames.
    EXPECT_TRUE(km::journalsIn(data.path()).isEmpty());
    EXPECT_EQ(km::HistoryFolder(data.filePath("history")).files().size(), 1);
}

} // namespace
