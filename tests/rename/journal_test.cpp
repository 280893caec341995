#include "batch_fakes.h"
#include "rename/batch.h"
#include "rename/journal.h"
#include "support/temp_folder.h"

#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

using km::BatchKind;
using km::BatchRecord;

BatchRecord sampleRecord() {
    return {BatchKind::Rename,
            "/home/ann/Pictures/",
            {{"foto_002.jpg", "foto_001.jpg", {1835011}}, {"foto_001.jpg", "foto_002.jpg", {7}}}};
}

std::optional<BatchRecord> decoded(const QByteArray& text) {
    QString error;
    std::optional<BatchRecord> record = km::decodeJournal(text, &error);
    EXPECT_EQ(record.has_value(), error.isEmpty()) << error.toStdString();
    return record;
}

TEST(JournalFormat, WritesOneLinePerMoveBetweenHeaderAndEnd) {
    EXPECT_EQ(km::encodeJournal(sampleRecord()), "KESTRELMARK-JOURNAL\t1\n"
                                                 "kind\trename\n"
                                                 "folder\t/home/ann/Pictures/\n"
                                                 "count\t2\n"
                                                 "move\t1835011\tfoto_002.jpg\tfoto_001.jpg\n"
                                                 "move\t7\tfoto_001.jpg\tfoto_002.jpg\n"
                                                 "end\n");
    EXPECT_EQ(decoded(km::encodeJournal(sampleRecord())), sampleRecord());
}

TEST(JournalFormat, EveryFileNameRoundTrips) {
    const BatchRecord record{BatchKind::Undo,
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
        "KESTRELMARK-JOURNAL\t2\n" + good.mid(good.indexOf('\n') + 1),
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
    };
    for (const QByteArray& text : damaged) {
        SCOPED_TRACE(text.toStdString());
        QString error;
        EXPECT_FALSE(km::decodeJournal(text, &error).has_value());
        EXPECT_TRUE(error.startsWith("line ")) << error.toStdString();
    }
}

TEST(JournalFile, IsOnDiskBetweenBeginAndEnd) {
    TempFolder folder;
    const QString path = folder.filePath("state/journal");
    km::JournalFile journal(path);
    ASSERT_TRUE(journal.begin(sampleRecord()).ok());
    EXPECT_EQ(folder.snapshot(), (Snapshot{{"state", "<dir>"}}));
    const km::LoadedJournal loaded = km::loadJournal(path);
    EXPECT_EQ(loaded.status, km::JournalStatus::Loaded);
    EXPECT_EQ(loaded.record, sampleRecord());

    BatchRecord newer = sampleRecord();
    newer.kind = BatchKind::Undo;
    ASSERT_TRUE(journal.begin(newer).ok());
    EXPECT_EQ(km::loadJournal(path).record, newer);

    EXPECT_TRUE(journal.end().ok());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(km::loadJournal(path).status, km::JournalStatus::Absent);
    EXPECT_TRUE(journal.end().ok());
}

TEST(JournalFile, SaysWhyItCouldNotBeWritten) {
    TempFolder folder;
    folder.write("file", "x");
    km::JournalFile journal(folder.filePath("file/journal"));
    const km::fs::FileError error = journal.begin(sampleRecord());
    EXPECT_FALSE(error.ok());
    EXPECT_TRUE(error.message.startsWith("The safety record \"" + folder.filePath("file/journal") +
                                         "\" could not be written: "))
        << error.message.toStdString();
    EXPECT_EQ(folder.snapshot(), (Snapshot{{"file", "x"}}));
}

TEST(JournalFile, ADamagedJournalIsReportedAndSetAsideWithoutLoss) {
    TempFolder folder;
    const QString path = folder.filePath("journal");
    folder.write("journal", "garbage");
    folder.write("journal.damaged-1", "older damage");

    const km::LoadedJournal loaded = km::loadJournal(path);
    EXPECT_EQ(loaded.status, km::JournalStatus::Damaged);
    EXPECT_EQ(loaded.message, "The record of an interrupted rename \"" + path +
                                  "\" is damaged (line 1: not a journal of this version).");
    QString aside;
    ASSERT_TRUE(km::setJournalAside(path, &aside).ok());
    EXPECT_EQ(aside, path + ".damaged-2");
    EXPECT_EQ(folder.snapshot(),
              (Snapshot{{"journal.damaged-1", "older damage"}, {"journal.damaged-2", "garbage"}}));
    EXPECT_EQ(km::loadJournal(path).status, km::JournalStatus::Absent);
}

TEST(JournalFile, AnUnreadableJournalIsDamagedAndADiscardedOneGone) {
    TempFolder folder;
    folder.makeFolder("journal");
    EXPECT_EQ(km::loadJournal(folder.filePath("journal")).status, km::JournalStatus::Damaged);

    km::JournalFile journal(folder.filePath("other"));
    ASSERT_TRUE(journal.begin(sampleRecord()).ok());
    EXPECT_TRUE(km::discardJournal(folder.filePath("other")).ok());
    EXPECT_EQ(folder.snapshot(), (Snapshot{{"journal", "<dir>"}}));
}

// Notes what the batch asks of its journal, and how many renames had happened by then.
class RecordingJournal final : public km::BatchJournal {
public:
    explicit RecordingJournal(const ScriptedFileOps& ops) : m_ops(ops) {}

    km::fs::FileError begin(const BatchRecord& record) override {
        m_events.push_back("begin after " + std::to_string(m_ops.renameCount()));
        m_record = record;
        return m_beginError;
    }
    km::fs::FileError end() override {
        m_events.push_back("end after " + std::to_string(m_ops.renameCount()));
        return m_endError;
    }

    const ScriptedFileOps& m_ops;
    std::vector<std::string> m_events;
    BatchRecord m_record;
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
              (BatchRecord{BatchKind::Rename,
                           "/photos/",
                           {{"a.jpg", "b.jpg", {1}}, {"b.jpg", "a.jpg", {2}}}}));
    EXPECT_EQ(m_fake.syncCount(), 1);

    m_journal.m_events.clear();
    EXPECT_TRUE(km::undoBatch({"/photos/", {{"x.jpg", "a.jpg"}}}, m_ops, &m_journal).done);
    EXPECT_EQ(m_journal.m_record,
              (BatchRecord{BatchKind::Undo, "/photos/", {{"a.jpg", "x.jpg", {2}}}}));
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
    EXPECT_EQ(outcome.message, "The safety record \"j\" could not be written: full.\r\n"
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
    EXPECT_EQ(m_journal.m_events, (std::vector<std::string>{"begin after 5"}));
}

TEST_F(BatchJournalTest, ADoneBatchPassesOnAJournalThatCouldNotBeRemoved) {
    m_journal.m_endError = {EIO, "The safety record \"j\" could not be removed: I/O."};
    const km::BatchOutcome outcome = km::renameBatch(swap(), m_ops, &m_journal);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(outcome.message, "The safety record \"j\" could not be removed: I/O.");
}

} // namespace
