// SPDX-License-Identifier: MIT
#include "batch/batch_words.h"
#include "history/earlier_undo.h"
#include "history/history_folder.h"
#include "rename/rename_keeper.h"
#include "support/batch_fakes.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using km::LeftAloneReason;

km::HistoryEntry sampleEntry(km::LastingIdentity::Basis basis) {
    km::LastingIdentity identity{basis, 2049, 1835011, -5, 4096, 1701980141123456789};
    if (basis == km::LastingIdentity::Basis::SizeAndTime)
        identity = {basis, 0, 0, std::nullopt, 4096, -7};
    else
        identity.size = identity.modified = 0;
    return {1765139741123,
            QStringLiteral("/home/ann/100%\tPictures\n/"),
            {{"IMG_0001.JPG", "foto\t001.JPG", identity}, {"b%.jpg", "c\r.jpg", identity}}};
}

TEST(HistoryFormat, EveryFieldComesBackOnBothBases) {
    for (const auto basis :
         {km::LastingIdentity::Basis::Inode, km::LastingIdentity::Basis::SizeAndTime}) {
        const km::HistoryEntry entry = sampleEntry(basis);
        const QByteArray text = km::encodeHistory(entry);
        EXPECT_EQ(text.count('\n'), 8);
        QString error;
        EXPECT_EQ(km::decodeHistory(text, &error), entry) << error.toStdString();
    }
}

TEST(HistoryFormat, DamagedTextsAreRefusedWithTheLine) {
    const QByteArray good = km::encodeHistory(sampleEntry(km::LastingIdentity::Basis::Inode));
    const QByteArray cases[] = {
        good.left(good.size() - 4),                       // cut short
        QByteArray(good).replace("count\t2", "count\t3"), // a file line missing
        QByteArray(good).replace("IMG_0001.JPG", ".."),   // a name leaving the folder
        QByteArray(good).replace("1835011", "18x5011"),   // not an inode number
        QByteArray(good).replace("HISTORY\t1", "HISTORY\t2"),
        good + "more\n",
        QByteArray(),
    };
    for (const QByteArray& text : cases) {
        QString error;
        EXPECT_FALSE(km::decodeHistory(text, &error)) << text.toStdString();
        EXPECT_TRUE(error.startsWith("line ")) << error.toStdString();
    }
}

TEST(HistoryFolder, KeepsTheNewestHundredNewestFirstAndReportsDamage) {
    TempFolder state;
    const km::HistoryFolder history(state.filePath("history"));
    km::HistoryEntry entry = sampleEntry(km::LastingIdentity::Basis::Inode);
    for (int i = 0; i <= km::HistoryFolder::kKeptBatches; ++i) {
        entry.when = i;
        ASSERT_TRUE(history.add(km::encodeHistory(entry)).ok());
    }
    const QStringList files = history.files();
    ASSERT_EQ(files.size(), km::HistoryFolder::kKeptBatches);
    EXPECT_EQ(km::loadHistory(files.front()).entry->when, km::HistoryFolder::kKeptBatches);
    EXPECT_EQ(km::loadHistory(files.back()).entry->when, 1);

    QFile::resize(files.front(), 40);
    const km::LoadedHistory damaged = km::loadHistory(files.front());
    EXPECT_FALSE(damaged.entry);
    EXPECT_FALSE(damaged.damage.isEmpty());

    // A pipe in the history would block the list of earlier renames for good.
    ASSERT_TRUE(QFile::remove(files.back()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(files.back()).constData(), 0600), 0);
    EXPECT_EQ(km::loadHistory(files.back()).damage,
              "it is no plain file but a pipe, a device or a folder");
}

class EarlierUndoTest : public testing::Test {
protected:
    km::BatchPlan plan(std::vector<km::RenamePair> pairs) const {
        return {photos.pathWithSeparator(), std::move(pairs)};
    }
    // The recorded batches, newest first.
    std::vector<km::HistoryEntry> history() const {
        std::vector<km::HistoryEntry> entries;
        for (const QString& path : km::HistoryFolder(keeper.historyFolder()).files())
            entries.push_back(*km::loadHistory(path).entry);
        return entries;
    }
    void renameFile(const QString& from, const QString& to) const {
        ASSERT_TRUE(QFile::rename(photos.filePath(from), photos.filePath(to)));
    }

    TempFolder photos;
    TempFolder state;
    km::DiskFileOps disk;
    ScriptedQuestions questions;
    km::RenameKeeper keeper{state.path(), disk, questions};
};

// Each way a file can have changed since its batch, one file per way, in one batch.
TEST_F(EarlierUndoTest, EachFileIsCheckedBeforeAnythingMoves) {
    photos.writeNamed({"edited", "replaced", "again", "removed", "taken", "other"});
    ASSERT_TRUE(keeper
                    .rename(plan({{"edited", "e2"},
                                  {"replaced", "r2"},
                                  {"again", "a2"},
                                  {"removed", "m2"},
                                  {"taken", "t2"}}))
                    .done);
    photos.write("e2", "edited in place");
    QFile::remove(photos.filePath("r2"));
    renameFile("other", "r2");
    renameFile("a2", "a3");
    QFile::remove(photos.filePath("m2"));
    photos.write("taken", "new");

    const km::EarlierUndoPlan undo = km::planEarlierUndo(history().front(), disk);
    EXPECT_EQ(undo.goingBack.pairs, (std::vector<km::RenamePair>{{"edited", "e2"}}));
    ASSERT_EQ(undo.leftAlone.size(), 4);
    const std::vector<std::pair<LeftAloneReason, QString>> expected{
        {LeftAloneReason::Replaced, ""},
        {LeftAloneReason::RenamedAgain, "a3"},
        {LeftAloneReason::Removed, ""},
        {LeftAloneReason::OriginalNameTaken, "taken"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(undo.leftAlone[i].reason, expected[i].first) << i;
        EXPECT_EQ(undo.leftAlone[i].other, expected[i].second) << i;
    }
    EXPECT_EQ(km::earlierBatchState(undo), km::EarlierBatchState::ChangedSince);
}

// Where inode numbers are made up at each mount, size and time stand in: an edit then counts as
// another file.
TEST_F(EarlierUndoTest, OnTheSizeBasisAnEditedFileIsAnotherOne) {
    photos.writeNamed({"a", "b"});
    km::IdentityReader reader(photos.path());
    reader.setBasis(km::LastingIdentity::Basis::SizeAndTime);
    const km::HistoryEntry entry{0,
                                 photos.pathWithSeparator(),
                                 {{"x", "a", *reader.read("a")}, {"y", "b", *reader.read("b")}}};
    photos.write("b", "longer than before");
    const km::EarlierUndoPlan undo = km::planEarlierUndo(entry, disk);
    EXPECT_EQ(undo.goingBack.pairs, (std::vector<km::RenamePair>{{"x", "a"}}));
    ASSERT_EQ(undo.leftAlone.size(), 1);
    EXPECT_EQ(undo.leftAlone[0].reason, LeftAloneReason::Replaced);
}

TEST_F(EarlierUndoTest, AnOlderBatchGoesBackWhereANewerOneLeftItsFiles) {
    photos.writeNamed({"a", "b", "c"});
    ASSERT_TRUE(keeper.rename(plan({{"a", "x1"}, {"b", "x2"}, {"c", "x3"}})).done);
    ASSERT_TRUE(keeper.rename(plan({{"x1", "y1"}, {"x2", "x2b"}})).done);
    ASSERT_TRUE(keeper.rename(plan({{"x2b", "x2"}})).done);
    ASSERT_EQ(history().size(), 3);

    const km::RenameKeeper::EarlierUndo undone = keeper.undoEarlier(history().back());
    EXPECT_TRUE(undone.outcome.done);
    EXPECT_EQ(photos.snapshot(), moved({{"b", "b"}, {"c", "c"}, {"y1", "a"}}));
    EXPECT_EQ(km::earlierUndoMessage(undone.plan, undone.outcome),
              "2 files got their names back.\r\nThese files were left alone:\r\n"
              "\"x1\" was renamed again, to \"y1\".");
    EXPECT_EQ(history().size(), 4);
}

TEST_F(EarlierUndoTest, AnUndoIsRecordedAndCanBeUndoneInTurn) {
    photos.writeNamed({"a", "b"});
    ASSERT_TRUE(keeper.rename(plan({{"a", "b"}, {"b", "a"}})).done);
    ASSERT_TRUE(keeper.undoEarlier(history().front()).outcome.done);
    EXPECT_EQ(photos.snapshot(), namedFiles({"a", "b"}));
    ASSERT_EQ(history().size(), 2);
    EXPECT_EQ(km::earlierBatchState(km::planEarlierUndo(history().front(), disk)),
              km::EarlierBatchState::AsLeft);

    ASSERT_TRUE(keeper.undoEarlier(history().front()).outcome.done);
    EXPECT_EQ(photos.snapshot(), moved({{"a", "b"}, {"b", "a"}}));
}

TEST_F(EarlierUndoTest, AHistoryThatCannotBeWrittenNeverFailsTheRename) {
    photos.writeNamed({"a"});
    state.write("history", "a file where the folder should be");
    const km::BatchOutcome outcome = keeper.rename(plan({{"a", "b"}}));
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(photos.snapshot(), moved({{"b", "a"}}));
    EXPECT_TRUE(km::batchMessage(outcome).startsWith(
        "The rename could not be kept among the earlier renames"))
        << km::batchMessage(outcome).toStdString();
}

TEST_F(EarlierUndoTest, AGoneFolderMovesNothingAndSaysSo) {
    const km::HistoryEntry entry{0, photos.filePath("gone/"), {{"a", "b", {}}}};
    const km::RenameKeeper::EarlierUndo undone = keeper.undoEarlier(entry);
    EXPECT_EQ(km::earlierBatchState(undone.plan), km::EarlierBatchState::FolderGone);
    EXPECT_EQ(km::earlierUndoMessage(undone.plan, undone.outcome),
              "The folder \"" + photos.filePath("gone/") + "\" is gone; nothing was renamed.");
}

} // namespace
