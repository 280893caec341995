// SPDX-License-Identifier: MIT
#include "batch/batch.h"
#include "files/file_names.h"
#include "history/history_folder.h"
#include "journal/journal.h"
#include "journal/recovery.h"
#include "plan/companions.h"
#include "rename/rename_keeper.h"
#include "support/batch_fakes.h"
#include "support/temp_folder.h"

#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using km::RecoveryDirection;

const char* directionName(RecoveryDirection direction) {
    return direction == RecoveryDirection::Finish ? "finish" : "roll back";
}

// The files of a folder and a batch over some of them.
struct Scenario {
    QStringList files;
    std::vector<km::RenamePair> pairs;
};

// Five files with a swap (a <-> b) and a chain (c -> d -> f), next to files the batch leaves alone.
Scenario swapAndChain() {
    return {{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "g.jpg", "keep.jpg", ".hidden"},
            {{"a.jpg", "b.jpg"},
             {"b.jpg", "a.jpg"},
             {"c.jpg", "d.jpg"},
             {"d.jpg", "f.jpg"},
             {"g.jpg", "h.jpg"}}};
}

// Two photos swapping names, each with a RAW file and sidecars that follow it, next to a RAW file
// of no listed photo.
Scenario photosWithCompanions() {
    const QStringList photos{"IMG_2.JPG", "IMG_1.JPG"};
    const QStringList newNames{"IMG_1.JPG", "IMG_2.JPG"};
    const QStringList companions{"IMG_1.CR2",     "IMG_1.JPG.xmp", "IMG_2.cr2",
                                 "img_2.CR2.xmp", "IMG_2.xmp",     "IMG_3.CR2"};
    Scenario scenario{photos + companions, {{photos[0], newNames[0]}, {photos[1], newNames[1]}}};
    const km::CompanionPlan plan = km::planCompanions(photos, newNames, companions);
    scenario.pairs.insert(scenario.pairs.end(), plan.pairs.begin(), plan.pairs.end());
    return scenario;
}

// Live Photos: two HEIC pictures, each with its video, renamed as a phone's folder is.
Scenario livePhotos() {
    const QStringList photos{"IMG_1234.HEIC", "IMG_1235.heic"};
    const QStringList newNames{"foto_001.HEIC", "foto_002.heic"};
    const QStringList videos{"IMG_1234.MOV", "img_1235.mp4", "IMG_1236.MOV"};
    Scenario scenario{photos + videos, {{photos[0], newNames[0]}, {photos[1], newNames[1]}}};
    const km::CompanionPlan plan = km::planCompanions(photos, newNames, videos);
    scenario.pairs.insert(scenario.pairs.end(), plan.pairs.begin(), plan.pairs.end());
    return scenario;
}

// A trip's folder listed with its videos: photos and videos as rows in the order taken, one
// photo with its Live Photo video.
Scenario photosAndVideos() {
    const QStringList rows{"DSC_0101.JPG", "clip.mp4", "IMG_0002.JPG", "IMG_0003.MOV"};
    const QStringList newNames{"foto_001.JPG", "foto_002.mp4", "foto_003.JPG", "foto_004.MOV"};
    const QStringList companions{"IMG_0002.MOV"};
    Scenario scenario{rows + companions, {}};
    for (qsizetype i = 0; i < rows.size(); ++i)
        scenario.pairs.push_back({rows[i], newNames[i]});
    const km::CompanionPlan plan = km::planCompanions(rows, newNames, companions);
    scenario.pairs.insert(scenario.pairs.end(), plan.pairs.begin(), plan.pairs.end());
    return scenario;
}

// Names as older cameras write them, not UTF-8, going round in a circle.
Scenario namesThatAreNotUtf8() {
    const QString latin1 = km::fs::nameFromBytes("caf\xE9.jpg");
    const QString lone = km::fs::nameFromBytes("\x80.jpg");
    return {{latin1, lone, "b.jpg"}, {{latin1, "b.jpg"}, {"b.jpg", lone}, {lone, latin1}}};
}

class CrashTest : public testing::Test {
protected:
    void SetUp() override {
        for (const QString& name : m_scenario.files)
            m_photos.write(name, km::fs::nativeName(name));
    }

    int renames() const { return 2 * static_cast<int>(m_scenario.pairs.size()); }

    km::BatchPlan plan() const { return {m_photos.pathWithSeparator(), m_scenario.pairs}; }

    Snapshot original() const {
        Snapshot files;
        for (const QString& name : m_scenario.files)
            files[name] = km::fs::nativeName(name);
        return files;
    }

    Snapshot renamed() const {
        Snapshot files = original();
        for (const km::RenamePair& pair : m_scenario.pairs)
            files.erase(pair.from);
        for (const km::RenamePair& pair : m_scenario.pairs)
            files[pair.to] = km::fs::nativeName(pair.from);
        return files;
    }

    Snapshot expected(RecoveryDirection direction) const {
        return direction == RecoveryDirection::Finish ? renamed() : original();
    }

    // The one journal a batch left behind, taken over; null (and the test failed) when the
    // folder holds no single journal or it cannot be claimed.
    std::unique_ptr<km::JournalFile> claimJournal() const {
        const QStringList journals = km::journalsIn(m_state.path());
        EXPECT_EQ(journals.size(), 1);
        std::unique_ptr<km::JournalFile> journal =
            journals.size() == 1 ? km::JournalFile::claim(journals[0]) : nullptr;
        EXPECT_NE(journal, nullptr);
        return journal;
    }

    // Runs the batch in a child that dies before rename number `killBefore`.
    bool crashBatch(int killBefore, bool killAtSync = false, int failAt = 0) {
        return killedInChild([&] {
            km::DiskFileOps disk;
            ScriptedFileOps scripted(disk);
            if (failAt > 0)
                scripted.failRename(failAt, EIO);
            KillingFileOps ops(scripted, killBefore, killAtSync);
            km::JournalFile journal(m_state.path());
            km::renameBatch(plan(), ops, &journal);
        });
    }

    // Recovers in this process and expects the folder at the chosen end and the journal gone.
    void recoverAndCheck(RecoveryDirection direction) {
        SCOPED_TRACE(directionName(direction));
        const std::unique_ptr<km::JournalFile> journal = claimJournal();
        ASSERT_NE(journal, nullptr);
        const km::LoadedJournal loaded = km::loadJournal(journal->path());
        ASSERT_EQ(loaded.status, km::JournalStatus::Loaded);
        km::DiskFileOps ops;
        const km::RecoveryReport report = km::recoverBatch(loaded.batch, direction, ops, *journal);
        EXPECT_TRUE(report.consistent);
        EXPECT_EQ(report.message, QString());
        EXPECT_EQ(m_photos.snapshot(), expected(direction));
        EXPECT_EQ(km::journalsIn(m_state.path()), QStringList());
    }

    void reset() {
        for (const auto& [name, content] : m_photos.snapshot())
            ASSERT_EQ(::unlink(km::fs::nativePath(m_photos.filePath(name)).constData()), 0);
        SetUp();
    }

    void killAfterEveryRenameAndRecover() {
        for (int done = 0; done < renames(); ++done) {
            for (const RecoveryDirection direction :
                 {RecoveryDirection::Finish, RecoveryDirection::RollBack}) {
                SCOPED_TRACE("killed after " + std::to_string(done) + " renames");
                reset();
                ASSERT_TRUE(crashBatch(done + 1));
                recoverAndCheck(direction);
            }
        }
    }

    TempFolder m_photos;
    TempFolder m_state;
    Scenario m_scenario = swapAndChain();
};

TEST_F(CrashTest, ABatchKilledAfterAnyNumberOfRenamesIsFinishedOrRolledBack) {
    killAfterEveryRenameAndRecover();
}

TEST_F(CrashTest, PhotosAndTheirCompanionsKilledAfterAnyNumberOfRenamesAreRecovered) {
    m_scenario = photosWithCompanions();
    ASSERT_EQ(renames(), 14);
    killAfterEveryRenameAndRecover();
}

TEST_F(CrashTest, LivePhotosKilledAfterAnyNumberOfRenamesAreRecoveredWithTheirVideos) {
    m_scenario = livePhotos();
    ASSERT_EQ(renames(), 8);
    killAfterEveryRenameAndRecover();
}

TEST_F(CrashTest, PhotosAndVideosKilledAfterAnyNumberOfRenamesAreRecovered) {
    m_scenario = photosAndVideos();
    ASSERT_EQ(renames(), 10);
    killAfterEveryRenameAndRecover();
}

TEST_F(CrashTest, NamesThatAreNotUtf8ComeBackByteForByteAfterACut) {
    m_scenario = namesThatAreNotUtf8();
    killAfterEveryRenameAndRecover();
}

TEST_F(CrashTest, ABatchKilledAfterItsLastRenameCanStillGoEitherWay) {
    ASSERT_FALSE(crashBatch(renames() + 1));
    EXPECT_EQ(m_photos.snapshot(), renamed());
    EXPECT_EQ(km::journalsIn(m_state.path()), QStringList());

    for (const RecoveryDirection direction :
         {RecoveryDirection::Finish, RecoveryDirection::RollBack}) {
        reset();
        ASSERT_TRUE(crashBatch(renames() + 1, true));
        EXPECT_EQ(m_photos.snapshot(), renamed());
        recoverAndCheck(direction);
    }
}

TEST_F(CrashTest, ABatchKilledDuringItsOwnRollBackIsRecovered) {
    // Rename 3 or 8 fails; the roll-back (of 2 or 7 renames) then dies after 0, 1 or 2 of them.
    for (const int failAt : {3, 8}) {
        for (int rolledBack = 0; rolledBack < std::min(3, failAt - 1); ++rolledBack) {
            for (const RecoveryDirection direction :
                 {RecoveryDirection::Finish, RecoveryDirection::RollBack}) {
                SCOPED_TRACE("failing at " + std::to_string(failAt) + ", rolled back " +
                             std::to_string(rolledBack));
                reset();
                ASSERT_TRUE(crashBatch(failAt + rolledBack + 1, false, failAt));
                recoverAndCheck(direction);
            }
        }
    }
}

TEST_F(CrashTest, ARecoveryKilledHalfwayIsRecoveredAgainEitherWay) {
    for (const int done : {3, 7}) {
        for (const RecoveryDirection first :
             {RecoveryDirection::Finish, RecoveryDirection::RollBack}) {
            for (const RecoveryDirection second :
                 {RecoveryDirection::Finish, RecoveryDirection::RollBack}) {
                for (int recovered = 0;; ++recovered) {
                    SCOPED_TRACE("batch killed after " + std::to_string(done) + ", " +
                                 directionName(first) + " killed after " +
                                 std::to_string(recovered) + ", then " + directionName(second));
                    reset();
                    ASSERT_TRUE(crashBatch(done + 1));
                    const bool killed = killedInChild([&] {
                        km::DiskFileOps disk;
                        KillingFileOps ops(disk, recovered + 1);
                        const std::unique_ptr<km::JournalFile> journal = claimJournal();
                        km::recoverBatch(km::loadJournal(journal->path()).batch, first, ops,
                                         *journal);
                    });
                    if (!killed) {
                        EXPECT_EQ(m_photos.snapshot(), expected(first));
                        break;
                    }
                    recoverAndCheck(second);
                    ASSERT_LT(recovered, renames());
                }
            }
        }
    }
}

} // namespace

namespace {

// An undo of an earlier batch is a batch of its own: cut short in its second pass, it is
// finished at the next start, and recorded then.
TEST(EarlierUndoCrash, AnUndoOfAnEarlierBatchCutShortIsFinishedAtTheNextStart) {
    TempFolder photos;
    TempFolder state;
    photos.writeNamed({"a.jpg", "b.jpg", "c.jpg"});
    km::DiskFileOps disk;
    ScriptedQuestions questions;
    const km::HistoryFolder history(state.filePath("history"));
    {
        km::RenameKeeper keeper(state.path(), disk, questions);
        ASSERT_TRUE(keeper
                        .rename({photos.pathWithSeparator(),
                                 {{"a.jpg", "x.jpg"}, {"b.jpg", "y.jpg"}, {"c.jpg", "z.jpg"}}})
                        .done);
    }
    const km::HistoryEntry entry = *km::loadHistory(history.files().front()).entry;
    EXPECT_TRUE(killedInChild([&] {
        KillingFileOps killing(disk, 5);
        km::RenameKeeper keeper(state.path(), killing, questions);
        keeper.undoEarlier(entry);
    }));
    EXPECT_EQ(km::journalsIn(state.path()).size(), 1);

    questions.answers = {RecoveryDirection::Finish};
    km::RenameKeeper keeper(state.path(), disk, questions);
    keeper.recoverAtStart();
    EXPECT_EQ(photos.snapshot(), namedFiles({"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_TRUE(km::journalsIn(state.path()).isEmpty());
    const QStringList recorded = history.files();
    ASSERT_EQ(recorded.size(), 2);
    EXPECT_EQ(km::loadHistory(recorded.front()).entry->files.front().renamed, "a.jpg");
}

} // namespace
