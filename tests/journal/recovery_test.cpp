// SPDX-License-Identifier: MIT
#include "batch/batch.h"
#include "journal/journal.h"
#include "journal/recovery.h"
#include "support/batch_fakes.h"
#include "support/temp_folder.h"

#include <QDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

using km::RecoveryDirection;
using km::Whereabouts;

// Stops a batch in its tracks before rename number `stopBefore`, as if the program had died.
class StoppingFileOps final : public ForwardingFileOps {
public:
    struct Stopped {};

    StoppingFileOps(km::FileOps& inner, int stopBefore)
        : ForwardingFileOps(inner), m_stopBefore(stopBefore) {}

    km::fs::FileError renameNoReplace(const QString& from, const QString& to) override {
        if (++m_renames == m_stopBefore)
            throw Stopped{};
        return ForwardingFileOps::renameNoReplace(from, to);
    }

private:
    int m_stopBefore;
    int m_renames = 0;
};

// Keeps the record in memory and notes whether it was ended.
class MemoryJournal final : public km::BatchJournal {
public:
    km::fs::FileError begin(const km::JournalledBatch& record) override {
        m_record = record;
        m_open = true;
        return {};
    }
    km::fs::FileError end() override {
        m_open = false;
        return {};
    }

    km::JournalledBatch m_record;
    bool m_open = false;
};

class RecoveryTest : public testing::Test {
protected:
    static constexpr int Renames = 8;

    void SetUp() override {
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "keep.jpg"})
            m_disk.write(name, name);
    }

    static km::BatchPlan plan() {
        return {"/photos/",
                {{"a.jpg", "b.jpg"}, {"b.jpg", "a.jpg"}, {"c.jpg", "d.jpg"}, {"d.jpg", "e.jpg"}}};
    }

    static Snapshot original() {
        return namedFiles({"a.jpg", "b.jpg", "c.jpg", "d.jpg", "keep.jpg"});
    }

    static Snapshot renamed() {
        return moved({{"b.jpg", "a.jpg"},
                      {"a.jpg", "b.jpg"},
                      {"d.jpg", "c.jpg"},
                      {"e.jpg", "d.jpg"},
                      {"keep.jpg", "keep.jpg"}});
    }

    void stopBatch(const km::BatchPlan& plan, int stopBefore) {
        StoppingFileOps ops(m_disk, stopBefore);
        EXPECT_THROW(km::renameBatch(plan, ops, &m_journal), StoppingFileOps::Stopped);
        ASSERT_TRUE(m_journal.m_open);
    }

    km::RecoveryReport recover(RecoveryDirection direction) {
        return km::recoverBatch(m_journal.m_record, direction, m_disk, m_journal);
    }

    FakeFileOps m_disk{"/photos/"};
    MemoryJournal m_journal;
};

TEST_F(RecoveryTest, FinishesOrRollsBackWhereverTheBatchStopped) {
    for (int done = 0; done < Renames; ++done) {
        for (const RecoveryDirection direction :
             {RecoveryDirection::Finish, RecoveryDirection::RollBack}) {
            SCOPED_TRACE(done);
            m_disk = FakeFileOps("/photos/");
            SetUp();
            stopBatch(plan(), done + 1);
            const km::RecoveryReport report = recover(direction);
            EXPECT_TRUE(report.consistent) << report.message.toStdString();
            EXPECT_EQ(report.message, QString());
            EXPECT_FALSE(m_journal.m_open);
            EXPECT_EQ(m_disk.snapshot(),
                      direction == RecoveryDirection::Finish ? renamed() : original());
        }
    }
}

// A journal left from long ago, whose names other files (a card copied in again) hold now:
// finishing it must not rename them.
TEST_F(RecoveryTest, LeavesAloneTheFilesThatTookTheBatchsNamesSince) {
    stopBatch(plan(), 3);
    m_disk.renumberInodes();
    EXPECT_EQ(km::locateFiles(m_journal.m_record, m_disk).files,
              std::vector<Whereabouts>(4, Whereabouts::Replaced));
    const Snapshot before = m_disk.snapshot();
    const km::RecoveryReport report = recover(RecoveryDirection::Finish);
    EXPECT_EQ(m_disk.snapshot(), before);
    EXPECT_FALSE(report.moved);
    EXPECT_EQ(report.message,
              "The interrupted rename in \"/photos/\" was finished:\r\n"
              "0 files of 4 were renamed.\r\n"
              "No longer in the folder, with other files under their names that are left alone "
              "(4 files): \"a.jpg\", \"b.jpg\", \"c.jpg\", \"d.jpg\".");
}

TEST_F(RecoveryTest, InodeNumbersTellAnUntouchedSwapFromACompletedOne) {
    const km::BatchPlan swap{"/photos/", {{"a.jpg", "b.jpg"}, {"b.jpg", "a.jpg"}}};
    stopBatch(swap, 1);
    EXPECT_EQ(km::locateFiles(m_journal.m_record, m_disk).files,
              (std::vector<Whereabouts>{Whereabouts::AtFrom, Whereabouts::AtFrom}));

    ASSERT_TRUE(km::renameBatch(swap, m_disk).done);
    EXPECT_EQ(km::locateFiles(m_journal.m_record, m_disk).files,
              (std::vector<Whereabouts>{Whereabouts::AtTo, Whereabouts::AtTo}));
}

TEST_F(RecoveryTest, RecoversWhatItCanAndSaysWhatIsGone) {
    stopBatch(plan(), 6);
    m_disk.remove("_KM_d.jpg");
    m_disk.write("x.jpg", "unrelated");
    const km::RecoveryReport report = recover(RecoveryDirection::RollBack);
    EXPECT_TRUE(report.consistent);
    EXPECT_EQ(report.message, "The interrupted rename in \"/photos/\" was rolled back:\r\n"
                              "3 files of 4 were renamed.\r\n"
                              "No longer in the folder (1 file): \"c.jpg\".");
    EXPECT_EQ(m_disk.snapshot(), moved({{"a.jpg", "a.jpg"},
                                        {"b.jpg", "b.jpg"},
                                        {"d.jpg", "d.jpg"},
                                        {"keep.jpg", "keep.jpg"},
                                        {"x.jpg", "unrelated"}}));
    EXPECT_FALSE(m_journal.m_open);
}

TEST_F(RecoveryTest, PlacesFilesByInodeNumberWhenTheFolderWasChangedAroundThem) {
    stopBatch(plan(), 7);
    // Done: all four to temporary names, a.jpg's file to "b.jpg", b.jpg's to "a.jpg". Then the
    // last file goes missing, and another file takes its new name.
    m_disk.remove("_KM_e.jpg");
    EXPECT_EQ(km::locateFiles(m_journal.m_record, m_disk).files,
              (std::vector<Whereabouts>{Whereabouts::AtTo, Whereabouts::AtTo,
                                        Whereabouts::AtTemporary, Whereabouts::NotFound}));
    m_disk.write("e.jpg", "a newcomer");
    EXPECT_EQ(km::locateFiles(m_journal.m_record, m_disk).files[3], Whereabouts::Replaced);
    ASSERT_TRUE(recover(RecoveryDirection::Finish).consistent);
    EXPECT_EQ(m_disk.snapshot(), moved({{"a.jpg", "b.jpg"},
                                        {"b.jpg", "a.jpg"},
                                        {"d.jpg", "c.jpg"},
                                        {"e.jpg", "a newcomer"},
                                        {"keep.jpg", "keep.jpg"}}));
}

// A batch that failed and was rolled back is never finished later: only the files it left
// under temporary names get their old names back.
TEST_F(RecoveryTest, ABatchRolledBackAlreadyOnlyGivesBackTemporaryNames) {
    stopBatch(plan(), 4);
    m_journal.m_record.ended = km::BatchEnd::RolledBack;
    for (const RecoveryDirection direction :
         {RecoveryDirection::Finish, RecoveryDirection::RollBack}) {
        const km::RecoveryReport report = recover(direction);
        EXPECT_TRUE(report.consistent);
        EXPECT_EQ(m_disk.snapshot(), original());
    }
}

TEST_F(RecoveryTest, AFailedRenameIsReportedAndALaterRecoveryCompletes) {
    stopBatch(plan(), 3);
    ScriptedFileOps failing(m_disk);
    failing.failRename(1, EACCES);
    const km::RecoveryReport report =
        km::recoverBatch(m_journal.m_record, RecoveryDirection::Finish, failing, m_journal);
    EXPECT_FALSE(report.consistent);
    EXPECT_EQ(report.message, "The interrupted rename in \"/photos/\" could not be finished:\r\n"
                              "3 files of 4 were renamed.\r\n"
                              "1 file could not be renamed:\r\n"
                              "\"c.jpg\" to \"_KM_d.jpg\": Permission denied.");
    EXPECT_TRUE(m_journal.m_open);

    EXPECT_TRUE(recover(RecoveryDirection::Finish).consistent);
    EXPECT_EQ(m_disk.snapshot(), renamed());
}

TEST(RecoveryOnDisk, KeepsTheJournalOfAFolderThatIsGone) {
    TempFolder state;
    km::JournalFile journal(state.path());
    const km::JournalledBatch record{
        km::BatchKind::Undo, state.filePath("gone/"), {{"a.jpg", "b.jpg", {1}}}};
    ASSERT_TRUE(journal.begin(record).ok());
    const QString path = journal.path();
    km::DiskFileOps ops;

    const km::RecoveryReport report =
        km::recoverBatch(km::loadJournal(path).batch, RecoveryDirection::Finish, ops, journal);
    EXPECT_TRUE(report.folderMissing);
    EXPECT_FALSE(report.consistent);
    EXPECT_EQ(report.message, "The folder \"" + state.filePath("gone/") +
                                  "\" of an interrupted rename cannot be read: No such file or "
                                  "directory.");
    EXPECT_EQ(km::loadJournal(path).batch, record);
}

} // namespace
