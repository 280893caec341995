// SPDX-License-Identifier: MIT
#include "batch/batch.h"
#include "batch/batch_words.h"
#include "journal/journal.h"
#include "support/batch_fakes.h"
#include "support/temp_folder.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using km::BatchKind;
using km::JournalledBatch;

JournalledBatch sampleRecord() {
    return {BatchKind::Rename,
            "/home/ann/Pictures/",
            {{"foto_002.jpg", "foto_001.jpg", {1835011}}, {"foto_001.jpg", "foto_002.jpg", {7}}}};
}

std::optional<JournalledBatch> decoded(const QByteArray& text) {
    QString error;
    std::optional<JournalledBatch> record = km::decodeJournal(text, &error);
    EXPECT_EQ(record.has_value(), error.isEmpty()) << error.toStdString();
    return record;
}

TEST(JournalFormat, WritesOneLinePerMoveBetweenHeaderAndEnd) {
    EXPECT_EQ(km::encodeJournal(sampleRecord()), "KESTRELMARK-JOURNAL\t2\n"
                                                 "kind\trename\n"
                                                 "folder\t/home/ann/Pictures/\n"
                                                 "count\t2\n"
                                                 "move\t1835011\tfoto_002.jpg\tfoto_001.jpg\n"
                                                 "move\t7\tfoto_001.jpg\tfoto_002.jpg\n"
                                                 "end\n");
    EXPECT_EQ(decoded(km::encodeJournal(sampleRecord())), sampleRecord());
}

TEST(JournalFormat, EveryFileNameRoundTrips) {
    const JournalledBatch record{
        BatchKind::Undo,
        "/media/100%\tsure/\r\n/",
        {{"a%41.jpg", "tab\there.jpg", {1}},
         {"cr\rlf\n.jpg", " spaced .jpg", {2}},
         {"%", QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xe2\x98\x80.JPG"), {3}},
         {"del\x7f.jpg", "-", {18446744073709551615ULL}}}};
    const QByteArray text = km::encodeJournal(record);
    EXPECT_EQ(text.count('\n'), 9);
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_TRUE(text.contains("move\t1\ta%2541.jpg\ttab%09here.jpg\n"));
    EXPECT_EQ(decoded(text), record);
}

TEST(JournalFormat, RefusesAnythingButAWholeWellFormedJournal) {
    const QByteArray good = km::encodeJournal(sampleRecord());
    const QByteArray moveLine = "move\t7\tfoto_001.jpg\tfoto_002.jpg\n";
    const std::vector<QByteArray> damaged{
        "",
        "KESTRELMARK-JOURNAL\t3\n" + good.mid(good.indexOf('\n') + 1),
        good.left(good.size() - 4),
        good.left(good.size() - 1),
        good + "\n",
        good + "end\n",
        QByteArray(good).replace("count\t2", "count\t3"),
        QByteArray(good).replace("count\t2", "count\t1"),
        QByteArray(good).replace("count\t2", "count\t-1"),
        QByteArray(good).replace("rename", "move"),
        QByteArray(good).replace("folder\t/home", "folder\thome"),
        QByteArray(good).replace("1835011", "x1"),
        QByteArray(good).replace(moveLine, "move\t7\tfoto_001.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\t../a.jpg\tb.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\t..\tb.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\ta%00.jpg\tb.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\ta%4.jpg\tb.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\ta%G1.jpg\tb.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\ta.jpg\t%\n"),
        QByteArray(good).replace(moveLine, "move\t7\ta.jpg\t\n"),
        QByteArray(good).replace("kind\trename\n", "kind\trename\nended\tfinished\n"),
        QByteArray(good).replace("count", "identity\tinode\tx\t-\ncount"),
        // Records that contradict themselves: one file moved twice, one name given twice, a
        // name that is another file's temporary name.
        QByteArray(good).replace(moveLine, "move\t7\tfoto_002.jpg\tfoto_003.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\tfoto_003.jpg\tfoto_001.jpg\n"),
        QByteArray(good).replace(moveLine, "move\t7\t_KM_foto_001.jpg\tfoto_002.jpg\n"),
    };
    for (const QByteArray& text : damaged) {
        SCOPED_TRACE(text.toStdString());
        QString error;
        EXPECT_FALSE(km::decodeJournal(text, &error).has_value());
        EXPECT_TRUE(error.startsWith("line ")) << error.toStdString();
    }
}

TEST(JournalFormat, KeepsHowTheBatchEndedAndHowItsFilesAreKnown) {
    JournalledBatch record = sampleRecord();
    record.ended = km::BatchEnd::RolledBack;
    record.known = km::LastingIdentity{};
    record.known->basis = km::LastingIdentity::Basis::SizeAndTime;
    record.moves[0].size = 4096;
    record.moves[0].modified = -12;
    const QByteArray text = km::encodeJournal(record);
    EXPECT_TRUE(text.contains("kind\trename\nended\trolled-back\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("move\t1835011\tfoto_002.jpg\tfoto_001.jpg\t4096\t-12\n"));
    EXPECT_EQ(decoded(text), record);

    // A journal of the earlier version reads as one whose batch did not end.
    const QByteArray first =
        QByteArray(km::encodeJournal(sampleRecord())).replace("JOURNAL\t2", "JOURNAL\t1");
    EXPECT_EQ(decoded(first), sampleRecord());
}

// Journals cut, spliced and with bytes changed never crash the reader, and whatever it accepts
// is a record that writes back to itself.
TEST(JournalFormat, CraftedJournalsAreReadSafely) {
    JournalledBatch record = sampleRecord();
    record.known = km::LastingIdentity{};
    record.known->device = 2049;
    record.known->born = 1700000000000000000;
    const QByteArray good = km::encodeJournal(record);
    const QByteArray bytes = "\t\n%0-_KM_9/.\x7f\xff";
    // A fixed start, so that a failing journal comes back at every run.
    std::minstd_rand random(2026);
    const auto next = [&random] {
        return static_cast<std::uint32_t>(random());
    };
    for (int round = 0; round < 4000; ++round) {
        QByteArray text = good;
        for (int edits = 1 + next() % 4; edits > 0; --edits) {
            const auto at =
                static_cast<qsizetype>(next() % static_cast<std::uint32_t>(text.size()));
            switch (next() % 4) {
            case 0:
                text[at] = bytes[next() % bytes.size()];
                break;
            case 1:
                text.remove(at, 1 + next() % 8);
                break;
            case 2:
                text.insert(at, text.mid(next() % text.size(), 1 + next() % 40));
                break;
            default:
                text.truncate(at);
                break;
            }
            if (text.isEmpty())
                text = good;
        }
        QString error;
        const std::optional<JournalledBatch> read = km::decodeJournal(text, &error);
        if (read)
            EXPECT_EQ(km::decodeJournal(km::encodeJournal(*read), nullptr), read);
        else
            EXPECT_TRUE(error.startsWith("line ")) << error.toStdString();
    }
}

QStringList sorted(QStringList paths) {
    paths.sort();
    return paths;
}

TEST(JournalFile, EachBatchWritesItsOwnJournalAndRemovesOnlyThat) {
    TempFolder folder;
    const QString state = folder.filePath("state");
    km::JournalFile journal(state);
    EXPECT_EQ(journal.path(), QString());
    ASSERT_TRUE(journal.begin(sampleRecord()).ok());
    const QString first = journal.path();
    EXPECT_TRUE(first.startsWith(state + "/batch-") && first.endsWith(".journal"));
    EXPECT_EQ(km::journalsIn(state), QStringList{first});
    EXPECT_EQ(km::loadJournal(first).batch, sampleRecord());

    // The journal of a batch that left files stranded stays when the next batch begins.
    JournalledBatch newer = sampleRecord();
    newer.kind = BatchKind::Undo;
    ASSERT_TRUE(journal.begin(newer).ok());
    const QString second = journal.path();
    EXPECT_EQ(sorted(km::journalsIn(state)), sorted({first, second}));
    EXPECT_EQ(km::loadJournal(first).batch, sampleRecord());
    EXPECT_EQ(km::loadJournal(second).batch, newer);

    EXPECT_TRUE(journal.end().ok());
    EXPECT_EQ(journal.path(), QString());
    EXPECT_EQ(km::journalsIn(state), QStringList{first});
    EXPECT_TRUE(journal.end().ok());
    EXPECT_NE(km::JournalFile::claim(first), nullptr);
    EXPECT_EQ(km::JournalFile::claim(second), nullptr);
}

// The end of a failed batch is written over its own journal, which stays held all along.
TEST(JournalFile, NotesARollBackInTheJournalItHolds) {
    TempFolder folder;
    km::JournalFile journal(folder.path());
    ASSERT_TRUE(journal.begin(sampleRecord()).ok());
    const QString path = journal.path();
    ASSERT_TRUE(journal.rolledBack().ok());
    EXPECT_EQ(journal.path(), path);
    EXPECT_EQ(km::journalsIn(folder.path()), QStringList{path});
    EXPECT_EQ(km::JournalFile::claim(path), nullptr);
    JournalledBatch ended = sampleRecord();
    ended.ended = km::BatchEnd::RolledBack;
    EXPECT_EQ(km::loadJournal(path).batch.ended, km::BatchEnd::RolledBack);
    EXPECT_EQ(km::loadJournal(path).batch.moves, ended.moves);
}

TEST(JournalFile, SaysWhyItCouldNotBeWritten) {
    TempFolder folder;
    folder.write("file", "x");
    km::JournalFile journal(folder.filePath("file/state"));
    const km::fs::FileError error = journal.begin(sampleRecord());
    EXPECT_FALSE(error.ok());
    EXPECT_TRUE(error.message.startsWith("The safety record \"" + folder.filePath("file/state/") +
                                         "batch-"))
        << error.message.toStdString();
    EXPECT_TRUE(error.message.contains(".journal\" could not be written: "));
    EXPECT_EQ(journal.path(), QString());
    EXPECT_EQ(folder.snapshot(), (Snapshot{{"file", "x"}}));
}

TEST(JournalFile, ListsOlderVersionsJournalFirstAndClearsOnlyAbandonedUnfinishedOnes) {
    TempFolder folder;
    km::JournalFile journal(folder.path());
    ASSERT_TRUE(journal.begin(sampleRecord()).ok());
    const QString pid = QString::number(::getpid());
    const QString abandoned = "batch-000000000000001-" + pid + "-1.new";
    const QString locked = "batch-000000000000001-" + pid + "-2.new";
    for (const QString& name : {QString("interrupted-batch.journal"), abandoned, locked,
                                QString("x.journal.damaged-1"), QString("keep.new")})
        folder.write(name, "");
    const int lock = ::open(QFile::encodeName(folder.filePath(locked)).constData(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);

    EXPECT_EQ(km::journalsIn(folder.path()),
              (QStringList{folder.filePath("interrupted-batch.journal"), journal.path()}));
    EXPECT_FALSE(QFile::exists(folder.filePath(abandoned)));
    EXPECT_TRUE(QFile::exists(folder.filePath(locked)));
    EXPECT_TRUE(QFile::exists(folder.filePath("keep.new")));
    ::close(lock);
}

TEST(JournalFile, ARunningBatchsJournalIsNeitherClaimedNorReplacedByAnotherProcess) {
    TempFolder state;
    int ready[2];
    int hold[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(hold), 0);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        // Holds its journal until it is killed, or until the test process is gone.
        ::close(hold[1]);
        km::JournalFile journal(state.path());
        const char began = journal.begin(sampleRecord()).ok() ? '1' : '0';
        char never = 0;
        if (::write(ready[1], &began, 1) == 1)
            while (::read(hold[0], &never, 1) < 0 && errno == EINTR) {
            }
        ::_exit(0);
    }
    char began = 0;
    ASSERT_EQ(::read(ready[0], &began, 1), 1);
    ASSERT_EQ(began, '1');
    const QStringList held = km::journalsIn(state.path());
    ASSERT_EQ(held.size(), 1);
    EXPECT_EQ(km::JournalFile::claim(held[0]), nullptr);

    JournalledBatch own = sampleRecord();
    own.kind = BatchKind::Undo;
    km::JournalFile journal(state.path());
    ASSERT_TRUE(journal.begin(own).ok());
    EXPECT_EQ(sorted(km::journalsIn(state.path())), sorted({held[0], journal.path()}));
    EXPECT_EQ(km::loadJournal(held[0]).batch, sampleRecord());
    EXPECT_EQ(km::JournalFile::claim(journal.path()), nullptr);

    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::unique_ptr<km::JournalFile> claimed = km::JournalFile::claim(held[0]);
    ASSERT_NE(claimed, nullptr);
    EXPECT_EQ(claimed->path(), held[0]);
    EXPECT_EQ(km::loadJournal(held[0]).batch, sampleRecord());
    EXPECT_EQ(km::JournalFile::claim(held[0]), nullptr);
    EXPECT_TRUE(claimed->end().ok());
    EXPECT_EQ(km::JournalFile::claim(held[0]), nullptr);
    EXPECT_EQ(km::journalsIn(state.path()), QStringList{journal.path()});
    for (const int fd : {ready[0], ready[1], hold[0], hold[1]})
        ::close(fd);
}

TEST(JournalFile, ADamagedJournalIsReportedAndSetAsideWithoutLoss) {
    TempFolder folder;
    const QString path = folder.filePath("old.journal");
    folder.write("old.journal", "garbage");
    folder.write("old.journal.damaged-1", "older damage");

    const km::LoadedJournal loaded = km::loadJournal(path);
    EXPECT_EQ(loaded.status, km::JournalStatus::Damaged);
    EXPECT_EQ(loaded.message, "The record of an interrupted rename \"" + path +
                                  "\" is damaged (line 1: not a journal of this version).");
    QString aside;
    ASSERT_TRUE(km::setJournalAside(path, &aside).ok());
    EXPECT_EQ(aside, path + ".damaged-2");
    EXPECT_EQ(folder.snapshot(), (Snapshot{{"old.journal.damaged-1", "older damage"},
                                           {"old.journal.damaged-2", "garbage"}}));
    EXPECT_EQ(km::loadJournal(path).status, km::JournalStatus::Absent);
    EXPECT_EQ(km::journalsIn(folder.path()), QStringList());
}

TEST(JournalFile, AnUnreadableJournalIsDamagedAndADiscardedOneGone) {
    TempFolder folder;
    folder.makeFolder("journal");
    EXPECT_EQ(km::loadJournal(folder.filePath("journal")).status, km::JournalStatus::Damaged);

    km::JournalFile journal(folder.path());
    ASSERT_TRUE(journal.begin(sampleRecord()).ok());
    EXPECT_TRUE(km::discardJournal(journal.path()).ok());
    EXPECT_EQ(folder.snapshot(), (Snapshot{{"journal", "<dir>"}}));
}

// Notes what the batch asks of its journal, and how many renames had happened by then.
class RecordingJournal final : public km::BatchJournal {
public:
    explicit RecordingJournal(const ScriptedFileOps& ops) : m_ops(ops) {}

    km::fs::FileError begin(const JournalledBatch& record) override {
        m_events.push_back("begin after " + std::to_string(m_ops.renameCount()));
        m_record = record;
        return m_beginError;
    }
    km::fs::FileError end() override {
        m_events.push_back("end after " + std::to_string(m_ops.renameCount()));
        return m_endError;
    }
    km::fs::FileError rolledBack() override {
        m_events.push_back("rolled back after " + std::to_string(m_ops.renameCount()));
        return {};
    }

    const ScriptedFileOps& m_ops;
    std::vector<std::string> m_events;
    JournalledBatch m_record;
    km::fs::FileError m_beginError;
    km::fs::FileError m_endError;
};

class BatchJournalTest : public testing::Test {
protected:
    BatchJournalTest() {
        m_fake.write("a.jpg", "a");
        m_fake.write("b.jpg", "b");
    }

    km::BatchPlan swap() const { return {"/photos/", {{"a.jpg", "b.jpg"}, {"b.jpg", "a.jpg"}}}; }

    FakeFileOps m_fake{"/photos/"};
    ScriptedFileOps m_ops{m_fake};
    RecordingJournal m_journal{m_ops};
};

TEST_F(BatchJournalTest, RecordsTheBatchBeforeTheFirstRenameAndEndsItAfterTheLast) {
    EXPECT_TRUE(km::renameBatch(swap(), m_ops, &m_journal).done);
    EXPECT_EQ(m_journal.m_events, (std::vector<std::string>{"begin after 0", "end after 4"}));
    EXPECT_EQ(m_journal.m_record,
              (JournalledBatch{BatchKind::Rename,
                               "/photos/",
                               {{"a.jpg", "b.jpg", {1}}, {"b.jpg", "a.jpg", {2}}}}));
    EXPECT_EQ(m_fake.syncCount(), 1);

    m_journal.m_events.clear();
    EXPECT_TRUE(km::undoBatch({"/photos/", {{"x.jpg", "a.jpg"}}}, m_ops, &m_journal).done);
    EXPECT_EQ(m_journal.m_record,
              (JournalledBatch{BatchKind::Undo, "/photos/", {{"a.jpg", "x.jpg", {2}}}}));
    EXPECT_EQ(m_fake.snapshot(), (Snapshot{{"b.jpg", "a"}, {"x.jpg", "b"}}));
}

TEST_F(BatchJournalTest, ARefusedBatchLeavesTheJournalAlone) {
    EXPECT_FALSE(km::renameBatch({"/photos/", {{"a.jpg", "b.jpg"}}}, m_ops, &m_journal).touched);
    EXPECT_TRUE(m_journal.m_events.empty());
}

TEST_F(BatchJournalTest, ABatchWhoseJournalCannotBeWrittenTouchesNothing) {
    m_journal.m_beginError = {ENOSPC, "The safety record \"j\" could not be written: full."};
    const km::BatchOutcome outcome = km::renameBatch(swap(), m_ops, &m_journal);
    EXPECT_FALSE(outcome.touched);
    EXPECT_EQ(km::batchMessage(outcome), "The safety record \"j\" could not be written: full.\r\n"
                                         "Nothing was renamed.");
    EXPECT_EQ(m_ops.renameCount(), 0);
    EXPECT_EQ(m_journal.m_events, (std::vector<std::string>{"begin after 0"}));
}

TEST_F(BatchJournalTest, TheJournalEndsAfterACompleteRollBackButStaysWhileFilesAreStranded) {
    m_ops.failRename(3, EIO);
    EXPECT_FALSE(km::renameBatch(swap(), m_ops, &m_journal).done);
    EXPECT_EQ(m_journal.m_events, (std::vector<std::string>{"begin after 0", "end after 5"}));

    m_journal.m_events.clear();
    m_ops.failRename(8, EIO);
    m_ops.failRename(9, EIO);
    EXPECT_FALSE(km::renameBatch(swap(), m_ops, &m_journal).stranded.empty());
    EXPECT_EQ(m_journal.m_events,
              (std::vector<std::string>{"begin after 5", "rolled back after 10"}));
}

TEST_F(BatchJournalTest, ADoneBatchPassesOnAJournalThatCouldNotBeRemoved) {
    m_journal.m_endError = {EIO, "The safety record \"j\" could not be removed: I/O."};
    const km::BatchOutcome outcome = km::renameBatch(swap(), m_ops, &m_journal);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(km::batchMessage(outcome), "The safety record \"j\" could not be removed: I/O.");
}

} // namespace
