// SPDX-License-Identifier: MIT
#include "journal/journal.h"
#include "rename/rename_keeper.h"
#include "support/batch_fakes.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

class RenameKeeperTest : public testing::Test {
protected:
    km::BatchPlan swap() const {
        return {photos.pathWithSeparator(), {{"a.jpg", "b.jpg"}, {"b.jpg", "a.jpg"}}};
    }

    TempFolder photos;
    TempFolder journals;
    km::DiskFileOps disk;
    ScriptedQuestions questions;
};

TEST_F(RenameKeeperTest, ARenameBecomesTheUndoRecordAndItsUndoLeavesNoJournal) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    km::RenameKeeper keeper(journals.path(), disk, questions);
    ASSERT_TRUE(keeper.rename(swap()).done);
    EXPECT_EQ(keeper.undoList().pairs, swap().pairs);
    EXPECT_EQ(photos.snapshot(), moved({{"a.jpg", "b.jpg"}, {"b.jpg", "a.jpg"}}));
    ASSERT_TRUE(keeper.undo().done);
    EXPECT_EQ(photos.snapshot(), namedFiles({"a.jpg", "b.jpg"}));
    EXPECT_TRUE(km::journalsIn(journals.path()).isEmpty());
}

// The history shows when a batch began on the keeper's clock, whatever the machine's says.
TEST_F(RenameKeeperTest, TheHistoryTakesTheTimeFromTheKeepersClock) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    constexpr qint64 kNewYear2001 = 978307200000;
    km::RenameKeeper::Clock clock = km::RenameKeeper::systemClock();
    clock.now = [] {
        return kNewYear2001;
    };
    km::RenameKeeper keeper(journals.path(), disk, questions, clock);
    ASSERT_TRUE(keeper.rename(swap()).done);
    const std::vector<km::LoadedHistory> earlier = keeper.earlierRenames();
    ASSERT_EQ(earlier.size(), 1u);
    ASSERT_TRUE(earlier.front().entry);
    EXPECT_EQ(earlier.front().entry->when, kNewYear2001);
}

// The second pass fails at b.jpg's file and the roll-back cannot move a.jpg's file off x.jpg: that
// file is what the undo record holds, and its journal stays until an undo has put it back.
TEST_F(RenameKeeperTest, StrandedFilesKeepTheirJournalUntilAnUndoPutsThemBack) {
    photos.writeNamed({"a.jpg", "b.jpg"});
    ScriptedFileOps failing(disk);
    failing.failRename(4, EIO);
    failing.failRename(5, EACCES);
    km::RenameKeeper keeper(journals.path(), failing, questions);
    const km::BatchPlan plan{photos.pathWithSeparator(), {{"a.jpg", "x.jpg"}, {"b.jpg", "y.jpg"}}};
    const km::BatchOutcome outcome = keeper.rename(plan);
    ASSERT_FALSE(outcome.done);
    ASSERT_EQ(outcome.stranded, (std::vector<km::RenamePair>{{"a.jpg", "x.jpg"}}));
    EXPECT_EQ(keeper.undoList().pairs, outcome.stranded);
    EXPECT_EQ(km::journalsIn(journals.path()).size(), 1);

    EXPECT_TRUE(keeper.undo().done);
    EXPECT_EQ(photos.snapshot(), namedFiles({"a.jpg", "b.jpg"}));
    EXPECT_TRUE(km::journalsIn(journals.path()).isEmpty());
}

TEST_F(RenameKeeperTest, ABatchLeftUnansweredAtStartIsOfferedAgainUntilAnswered) {
    photos.writeNamed({"a.jpg"});
    {
        struct stat file {};
        ASSERT_EQ(::stat(QFile::encodeName(photos.filePath("a.jpg")).constData(), &file), 0);
        km::JournalFile journal(journals.path());
        ASSERT_TRUE(journal
                        .begin({km::BatchKind::Rename,
                                photos.pathWithSeparator(),
                                {{"a.jpg", "x.jpg", {file.st_ino}}}})
                        .ok());
    }
    ASSERT_TRUE(QFile::rename(photos.filePath("a.jpg"), photos.filePath("_KM_x.jpg")));
    km::RenameKeeper keeper(journals.path(), disk, questions);
    keeper.recoverAtStart();
    EXPECT_EQ(questions.asked, 1);

    questions.answers = {km::RecoveryDirection::Finish};
    const km::RenameKeeper::Settled settled = keeper.settle();
    EXPECT_EQ(questions.asked, 2);
    // Files moved under the list: the command that asked must not go on with it.
    EXPECT_FALSE(settled.mayGoOn);
    EXPECT_TRUE(settled.filesMoved);
    EXPECT_EQ(photos.snapshot(), moved({{"x.jpg", "a.jpg"}}));

    EXPECT_TRUE(keeper.settle().mayGoOn);
    EXPECT_EQ(questions.asked, 2);
}

} // namespace
