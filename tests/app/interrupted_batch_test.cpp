#include "app/interrupted_batch.h"
#include "dialogs/message_box.h"
#include "rename/file_ops.h"
#include "rename/journal.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Content = std::map<QString, QByteArray>;
constexpr int kYes = 6;
constexpr int kNo = 7;
constexpr int kClosedWithoutAnswer = 2;

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
        km::BatchRecord record{km::BatchKind::Rename, photos.pathWithSeparator(), {}};
        record.moves.push_back({"a.jpg", "foto_001.jpg", identityOf(photos.filePath("a.jpg"))});
        record.moves.push_back({"b.jpg", "foto_002.jpg", identityOf(photos.filePath("b.jpg"))});
        km::JournalFile journal(data.path());
        EXPECT_TRUE(journal.begin(record).ok());
        journalPath = journal.path();
        EXPECT_EQ(std::rename(photos.filePath("a.jpg").toUtf8().constData(),
                              photos.filePath("_KM_foto_001.jpg").toUtf8().constData()),
                  0);
    }

    InterruptedBatchOutcome recover(std::initializer_list<int> answers) {
        for (int answer : answers)
            modMessageBox::setNextAnswer(answer);
        const InterruptedBatchOutcome outcome = recoverInterruptedBatches(data.path(), ops);
        modMessageBox::clearNextAnswer();
        return outcome;
    }

    TempFolder photos;
    TempFolder data;
    QString journalPath;
    km::DiskFileOps ops;
};

TEST_F(InterruptedBatchTest, YesFinishesTheBatchAndRemovesTheJournal) {
    const int callsBefore = modMessageBox::callCount();
    recover({kYes});
    EXPECT_EQ(photos.snapshot(), (Content{{"foto_001.jpg", "A"}, {"foto_002.jpg", "B"}}));
    EXPECT_FALSE(QFileInfo::exists(journalPath));
    EXPECT_EQ(modMessageBox::state().BoxTitle, "Interrupted Rename");
    EXPECT_EQ(modMessageBox::callCount() - callsBefore, 1);
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
    const int callsBefore = modMessageBox::callCount();
    recover({kNo});
    EXPECT_EQ(modMessageBox::callCount(), callsBefore);
    EXPECT_TRUE(QFileInfo::exists(photos.filePath("_KM_foto_001.jpg")));
}

TEST_F(InterruptedBatchTest, AMissingFileIsReportedAndTheJournalKept) {
    QFile::remove(photos.filePath("b.jpg"));
    recover({kYes, 1});
    EXPECT_EQ(modMessageBox::state().BoxStyle, 48);
    EXPECT_TRUE(modMessageBox::state().BoxPrompt.contains("b.jpg"));
    EXPECT_TRUE(QFileInfo::exists(journalPath));
    EXPECT_EQ(photos.snapshot().count("_KM_foto_002.jpg"), 0u);
}

TEST_F(InterruptedBatchTest, NoJournalAsksNothing) {
    QFile::remove(journalPath);
    const int callsBefore = modMessageBox::callCount();
    recover({});
    EXPECT_EQ(modMessageBox::callCount(), callsBefore);
}

TEST(InterruptedBatch, ADamagedJournalIsSetAsideAndReportedOnce) {
    TempFolder data;
    data.write("batch.journal", "not a journal\n\x01\x02");
    km::DiskFileOps ops;
    modMessageBox::setNextAnswer(1);
    recoverInterruptedBatches(data.path(), ops);
    EXPECT_EQ(modMessageBox::state().BoxStyle, 48);
    EXPECT_EQ(modMessageBox::state().BoxTitle, "Interrupted Rename");
    const Content content = data.snapshot();
    ASSERT_EQ(content.size(), 1u);
    EXPECT_TRUE(content.begin()->first.startsWith("batch.journal.damaged-"));
    EXPECT_EQ(content.begin()->second, "not a journal\n\x01\x02");

    const int callsBefore = modMessageBox::callCount();
    recoverInterruptedBatches(data.path(), ops);
    EXPECT_EQ(modMessageBox::callCount(), callsBefore);
}

TEST(InterruptedBatch, AJournalWhoseFolderIsGoneIsKeptOrDiscardedAsTheUserSays) {
    TempFolder data;
    km::BatchRecord record{km::BatchKind::Undo, "/no/such/folder/", {{"x.jpg", "y.jpg", {}}}};
    QString path;
    {
        km::JournalFile journal(data.path());
        ASSERT_TRUE(journal.begin(record).ok());
        path = journal.path();
    }
    km::DiskFileOps ops;
    for (int keeping : {kYes, kClosedWithoutAnswer}) {
        modMessageBox::setNextAnswer(keeping);
        EXPECT_EQ(recoverInterruptedBatches(data.path(), ops).unanswered,
                  keeping == kClosedWithoutAnswer);
        EXPECT_TRUE(modMessageBox::state().BoxPrompt.contains("/no/such/folder/"));
        EXPECT_TRUE(QFileInfo::exists(path));
    }
    modMessageBox::setNextAnswer(kNo);
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
    km::BatchRecord record{
        km::BatchKind::Rename, photos.pathWithSeparator(), {{"a.jpg", "b.jpg", {}}}};
    QString path;
    {
        km::JournalFile journal(data.path());
        ASSERT_TRUE(journal.begin(record).ok());
        path = journal.path();
    }
    UnreadableFolderOps ops;
    modMessageBox::setNextAnswer(kNo);
    recoverInterruptedBatches(data.path(), ops);
    modMessageBox::clearNextAnswer();
    EXPECT_EQ(modMessageBox::state().BoxStyle, 48);
    EXPECT_TRUE(modMessageBox::state().BoxPrompt.contains("Permission denied"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(photos.snapshot(), (Content{{"_KM_b.jpg", "_KM_b.jpg"}}));
}

} // namespace
