// SPDX-License-Identifier: MIT
#include "batch/file_ops.h"
#include "dialogs/message_box.h"
#include "journal/journal.h"
#include "main_window/recovery_questions.h"
#include "seams/message_box_seam.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Content = std::map<QString, QByteArray>;
using km::InterruptedBatchOutcome;

// Settles the interrupted batches, asking through message boxes as the window does.
InterruptedBatchOutcome recoverInterruptedBatches(const QString& journalFolder, km::FileOps& ops) {
    km::MessageBoxRecoveryQuestions questions;
    return km::settleInterruptedBatches(journalFolder, ops, questions);
}
constexpr km::BoxAnswer kYes = km::BoxAnswer::Yes;
constexpr km::BoxAnswer kNo = km::BoxAnswer::No;
constexpr km::BoxAnswer kClosedWithoutAnswer = km::BoxAnswer::Cancel;

km::FileIdentity identityOf(const QString& path) {
    struct stat info {};
    stat(path.toUtf8().constData(), &info);
    return {static_cast<quint64>(info.st_ino)};
}

// A rename of a.jpg -> foto_001.jpg and b.jpg -> foto_002.jpg, cut short after its first move.
class InterruptedBatchTest : public testing::Test {
protected:
    InterruptedBatchTest() {
        photos.write("a.jpg", "A");
        photos.write("b.jpg", "B");
        km::JournalledBatch record{km::BatchKind::Rename, photos.pathWithSeparator(), {}};
        record.moves.push_back({"a.jpg", "foto_001.jpg", identityOf(photos.filePath("a.jpg"))});
        record.moves.push_back({"b.jpg", "foto_002.jpg", identityOf(photos.filePath("b.jpg"))});
        km::JournalFile journal(data.path());
        EXPECT_TRUE(journal.begin(record).ok());
        journalPath = journal.path();
        EXPECT_EQ(std::rename(photos.filePath("a.jpg").toUtf8().constData(),
                              photos.filePath("_KM_foto_001.jpg").toUtf8().constData()),
                  0);
    }

    km::InterruptedBatchOutcome recover(std::initializer_list<km::BoxAnswer> answers) {
        for (km::BoxAnswer answer : answers)
            km::MessageBoxSeam::setNextAnswer(answer);
        const km::InterruptedBatchOutcome outcome = recoverInterruptedBatches(data.path(), ops);
        km::MessageBoxSeam::clearNextAnswers();
        return outcome;
    }

    TempFolder photos;
    TempFolder data;
    QString journalPath;
    km::DiskFileOps ops;
};

TEST_F(InterruptedBatchTest, YesFinishesTheBatchAndRemovesTheJournal) {
    const int callsBefore = km::MessageBoxSeam::callCount();
    recover({kYes});
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.jpg", "A"}, {"foto_002.jpg", "B"}}));
    EXPECT_FALSE(QFileInfo::exists(journalPath));
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxTitle, "Interrupted Rename");
    EXPECT_EQ(km::MessageBoxSeam::callCount() - callsBefore, 1);
}

TEST_F(InterruptedBatchTest, NoPutsEveryFileBackUnderItsOldName) {
    recover({kNo});
    EXPECT_EQ(photos.snapshot(), (Content{{"a.jpg", "A"}, {"b.jpg", "B"}}));
    EXPECT_FALSE(QFileInfo::exists(journalPath));
}

TEST_F(InterruptedBatchTest, AQuestionClosedWithoutYesOrNoTouchesNothingAndAsksAgainLater) {
    const Content before = photos.snapshot();
    EXPECT_TRUE(recover({kClosedWithoutAnswer}).unanswered);
    EXPECT_EQ(photos.snapshot(), before);
    EXPECT_TRUE(QFileInfo::exists(journalPath));
    EXPECT_FALSE(recover({kYes}).unanswered);
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.jpg", "A"}, {"foto_002.jpg", "B"}}));
}

TEST_F(InterruptedBatchTest, AJournalHeldByARunningBatchIsNotOffered) {
    const std::unique_ptr<km::JournalFile> running = km::JournalFile::claim(journalPath);
    ASSERT_TRUE(running);
    const int callsBefore = km::MessageBoxSeam::callCount();
    recover({kNo});
    EXPECT_EQ(km::MessageBoxSeam::callCount(), callsBefore);
    EXPECT_TRUE(QFileInfo::exists(photos.filePath("_KM_foto_001.jpg")));
}

// A file moved away since is no reason to keep the journal: the others are finished.
TEST_F(InterruptedBatchTest, AMissingFileIsReportedAndTheRestFinished) {
    QFile::remove(photos.filePath("b.jpg"));
    recover({kYes, km::BoxAnswer::Ok});
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxStyle, km::BoxInformation);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.contains(
        "No longer in the folder (1 file): \"b.jpg\"."));
    EXPECT_FALSE(QFileInfo::exists(journalPath));
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.jpg", "A"}}));
    EXPECT_EQ(photos.snapshot().count("_KM_foto_002.jpg"), 0u);
}

TEST_F(InterruptedBatchTest, NoJournalAsksNothing) {
    QFile::remove(journalPath);
    const int callsBefore = km::MessageBoxSeam::callCount();
    recover({});
    EXPECT_EQ(km::MessageBoxSeam::callCount(), callsBefore);
}

TEST(InterruptedBatch, ADamagedJournalIsSetAsideAndReportedOnce) {
    TempFolder data;
    data.write("batch.journal", "not a journal\n\x01\x02");
    km::DiskFileOps ops;
    km::MessageBoxSeam::setNextAnswer(km::BoxAnswer::Ok);
    recoverInterruptedBatches(data.path(), ops);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxStyle, 48);
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxTitle, "Interrupted Rename");
    const Content content = data.snapshot();
    ASSERT_EQ(content.size(), 1u);
    EXPECT_TRUE(content.begin()->first.startsWith("batch.journal.damaged-"));
    EXPECT_EQ(content.begin()->second, "not a journal\n\x01\x02");

    const int callsBefore = km::MessageBoxSeam::callCount();
    recoverInterruptedBatches(data.path(), ops);
    EXPECT_EQ(km::MessageBoxSeam::callCount(), callsBefore);
}

TEST(InterruptedBatch, AJournalWhoseFolderIsGoneIsKeptOrDiscardedAsTheUserSays) {
    TempFolder data;
    km::JournalledBatch record{km::BatchKind::Undo, "/no/such/folder/", {{"x.jpg", "y.jpg", {}}}};
    QString path;
    {
        km::JournalFile journal(data.path());
        ASSERT_TRUE(journal.begin(record).ok());
        path = journal.path();
    }
    km::DiskFileOps ops;
    for (km::BoxAnswer keeping : {kYes, kClosedWithoutAnswer}) {
        km::MessageBoxSeam::setNextAnswer(keeping);
        EXPECT_EQ(recoverInterruptedBatches(data.path(), ops).unanswered,
                  keeping == kClosedWithoutAnswer);
        EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.contains("/no/such/folder/"));
        EXPECT_TRUE(QFileInfo::exists(path));
    }
    km::MessageBoxSeam::setNextAnswer(kNo);
    recoverInterruptedBatches(data.path(), ops);
    EXPECT_FALSE(QFileInfo::exists(path));
}

} // namespace

namespace {

// Reports every folder as unreadable, as a folder without read permission would be.
class UnreadableFolderOps : public km::FileOps {
public:
    km::fs::FileError renameNoReplace(const QString& from, const QString& to) override {
        return m_disk.renameNoReplace(from, to);
    }
    km::FolderEntries listFolder(const QString&) override {
        km::FolderEntries entries;
        entries.error = {EACCES, "Permission denied"};
        return entries;
    }
    bool ignoresCase(const QString& folder, const std::vector<km::FolderEntry>& entries) override {
        return m_disk.ignoresCase(folder, entries);
    }
    km::fs::FileError syncFolder(const QString& folder) override {
        return m_disk.syncFolder(folder);
    }

private:
    km::DiskFileOps m_disk;
};

TEST(InterruptedBatch, AFolderThatCannotBeReadKeepsTheJournalWithoutAsking) {
    TempFolder photos;
    TempFolder data;
    photos.writeNamed({"_KM_b.jpg"});
    km::JournalledBatch record{
        km::BatchKind::Rename, photos.pathWithSeparator(), {{"a.jpg", "b.jpg", {}}}};
    QString path;
    {
        km::JournalFile journal(data.path());
        ASSERT_TRUE(journal.begin(record).ok());
        path = journal.path();
    }
    UnreadableFolderOps ops;
    km::MessageBoxSeam::setNextAnswer(kNo);
    recoverInterruptedBatches(data.path(), ops);
    km::MessageBoxSeam::clearNextAnswers();
    EXPECT_EQ(km::MessageBoxSeam::lastCall().BoxStyle, 48);
    EXPECT_TRUE(km::MessageBoxSeam::lastCall().BoxPrompt.contains("Permission denied"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(photos.snapshot(), (Content{{"_KM_b.jpg", "_KM_b.jpg"}}));
}

} // namespace
