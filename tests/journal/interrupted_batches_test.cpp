// SPDX-License-Identifier: MIT
#include "journal/interrupted_batches.h"
#include "journal/journal.h"
#include "support/batch_fakes.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using km::WhereaboutsCount;

quint64 inodeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_ino;
}

// The data folder at a start, holding what batches cut short (or other programs) left in it.
class SettleTest : public testing::Test {
protected:
    km::InterruptedBatchOutcome settle() {
        return km::settleInterruptedBatches(data.path(), ops, questions);
    }

    // Leaves the journal of a batch that no running copy holds.
    void leaveJournal(const km::JournalledBatch& record) {
        km::JournalFile journal(data.path());
        ASSERT_TRUE(journal.begin(record).ok());
    }

    TempFolder data;
    TempFolder photos;
    km::DiskFileOps ops;
    ScriptedQuestions questions;
};

// Opening a pipe would wait for a writer for good, and reading /dev/zero would fill memory.
TEST_F(SettleTest, APipeOrADeviceWhereAJournalWasIsSetAsideUnread) {
    data.makePipe("batch-1.journal");
    data.makeLink("batch-2.journal", "/dev/zero");
    settle();
    ASSERT_EQ(questions.damaged.size(), 2);
    for (const QString& reason : questions.damaged)
        EXPECT_TRUE(reason.endsWith(
            "cannot be read: it is no plain file but a pipe, a device or a folder."))
            << reason.toStdString();
    EXPECT_EQ(data.snapshot(), (Snapshot{{"batch-1.journal.damaged-1", "<special>"},
                                         {"batch-2.journal.damaged-1", "<special>"}}));
    EXPECT_EQ(questions.asked, 0);
}

// A batch that failed and was rolled back must not be finished at the next start: its files
// were said to be back under their old names.
TEST_F(SettleTest, ABatchRolledBackAlreadyOnlyOffersItsTemporaryNames) {
    photos.write("a.jpg", "A");
    photos.write("_KM_y.jpg", "B");
    km::JournalledBatch record{km::BatchKind::Rename, photos.pathWithSeparator(), {}};
    record.moves = {{"a.jpg", "x.jpg", {inodeOf(photos.filePath("a.jpg"))}},
                    {"b.jpg", "y.jpg", {inodeOf(photos.filePath("_KM_y.jpg"))}}};
    record.ended = km::BatchEnd::RolledBack;
    leaveJournal(record);
    EXPECT_TRUE(settle().filesMoved);
    EXPECT_EQ(questions.asked, 0);
    EXPECT_EQ(questions.giveBackAsked, (std::vector<WhereaboutsCount>{{0, 0, 1}}));
    EXPECT_EQ(photos.snapshot(), (Snapshot{{"a.jpg", "A"}, {"b.jpg", "B"}}));
    EXPECT_TRUE(km::journalsIn(data.path()).isEmpty());
}

// The photos were moved away since, and another one took a name: one question with the counts,
// and nothing is renamed.
TEST_F(SettleTest, AJournalWhoseFilesAreAllGoneIsOfferedToBeForgottenOnce) {
    km::JournalledBatch record{km::BatchKind::Rename, photos.pathWithSeparator(), {}};
    for (int i = 0; i < 30000; ++i)
        record.moves.push_back({QString("IMG_%1.jpg").arg(i),
                                QString("foto_%1.jpg").arg(i),
                                {quint64(1'000'000'000) + quint64(i)}});
    photos.write("foto_7.jpg", "copied in since");
    leaveJournal(record);
    EXPECT_FALSE(settle().filesMoved);
    EXPECT_EQ(questions.asked, 0);
    EXPECT_EQ(questions.forgetAsked, (std::vector<WhereaboutsCount>{{30000, 1, 0}}));
    EXPECT_EQ(photos.snapshot(), (Snapshot{{"foto_7.jpg", "copied in since"}}));
    EXPECT_TRUE(km::journalsIn(data.path()).isEmpty());
}

} // namespace
