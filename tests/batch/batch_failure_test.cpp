// SPDX-License-Identifier: MIT
#include "batch/batch.h"
#include "batch/batch_words.h"
#include "support/batch_fakes.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

using km::renameBatch;
using km::undoBatch;

// The rename that fails (counted from 1 over both passes) and the move the message names.
struct FailurePoint {
    int number;
    QString from;
    QString to;
};

// A batch of four files with a swap: a.jpg <-> b.jpg, c.jpg -> x.jpg, d.jpg -> y.jpg.
template <typename Disk> class BatchFailureTest : public DiskTest<Disk> {
protected:
    void SetUp() override {
        this->writeNamed({"a.jpg", "b.jpg", "c.jpg", "d.jpg", "keep.jpg"});
        m_original = this->m_disk.snapshot();
    }

    km::BatchPlan batch() const {
        return this->plan(
            {{"a.jpg", "b.jpg"}, {"b.jpg", "a.jpg"}, {"c.jpg", "x.jpg"}, {"d.jpg", "y.jpg"}});
    }

    static Snapshot renamed() {
        return moved({{"b.jpg", "a.jpg"},
                      {"a.jpg", "b.jpg"},
                      {"x.jpg", "c.jpg"},
                      {"y.jpg", "d.jpg"},
                      {"keep.jpg", "keep.jpg"}});
    }

    static void expectRolledBack(const km::BatchOutcome& outcome, const FailurePoint& point) {
        EXPECT_FALSE(outcome.done);
        EXPECT_TRUE(outcome.touched);
        EXPECT_TRUE(outcome.stranded.empty());
        EXPECT_EQ(km::batchMessage(outcome),
                  QString("Renaming \"%1\" to \"%2\" failed: Input/output error.\r\n"
                          "Every file that was moved has its previous name again.")
                      .arg(point.from, point.to));
    }

    Snapshot m_original;
};

TYPED_TEST_SUITE(BatchFailureTest, Disks, DiskName);

TYPED_TEST(BatchFailureTest, RenameMovesEveryFileBackWhenAnyRenameFails) {
    const std::vector<FailurePoint> points{{1, "a.jpg", "_KM_b.jpg"}, {2, "b.jpg", "_KM_a.jpg"},
                                           {4, "d.jpg", "_KM_y.jpg"}, {5, "_KM_b.jpg", "b.jpg"},
                                           {6, "_KM_a.jpg", "a.jpg"}, {8, "_KM_y.jpg", "y.jpg"}};
    for (const FailurePoint& point : points) {
        SCOPED_TRACE(point.number);
        ScriptedFileOps ops(this->m_disk.ops());
        ops.failRename(point.number, EIO);
        this->expectRolledBack(renameBatch(this->batch(), ops), point);
        EXPECT_EQ(this->m_disk.snapshot(), this->m_original);
        EXPECT_EQ(ops.renameCount(), 2 * point.number - 1);
    }
}

TYPED_TEST(BatchFailureTest, UndoMovesEveryFileBackWhenAnyRenameFails) {
    ASSERT_TRUE(renameBatch(this->batch(), this->m_disk.ops()).done);
    const std::vector<FailurePoint> points{{1, "b.jpg", "_KM_a.jpg"}, {3, "x.jpg", "_KM_c.jpg"},
                                           {4, "y.jpg", "_KM_d.jpg"}, {5, "_KM_a.jpg", "a.jpg"},
                                           {7, "_KM_c.jpg", "c.jpg"}, {8, "_KM_d.jpg", "d.jpg"}};
    for (const FailurePoint& point : points) {
        SCOPED_TRACE(point.number);
        ScriptedFileOps ops(this->m_disk.ops());
        ops.failRename(point.number, EIO);
        this->expectRolledBack(undoBatch(this->batch(), ops), point);
        EXPECT_EQ(this->m_disk.snapshot(), this->renamed());
    }
}

TYPED_TEST(BatchFailureTest, AFileRemovedBehindTheBatchsBackStopsItCleanly) {
    ScriptedFileOps ops(this->m_disk.ops());
    ops.beforeRename(3, [this] { this->m_disk.remove("c.jpg"); });
    const km::BatchOutcome outcome = renameBatch(this->batch(), ops);
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.stranded.empty());
    EXPECT_EQ(km::batchMessage(outcome),
              "Renaming \"c.jpg\" to \"_KM_x.jpg\" failed: No such file or directory.\r\n"
              "Every file that was moved has its previous name again.");
    Snapshot expected = this->m_original;
    expected.erase("c.jpg");
    EXPECT_EQ(this->m_disk.snapshot(), expected);
}

// The second pass fails at b.jpg; moving a.jpg's file back off "b.jpg" fails too, which then
// blocks b.jpg's file from getting its name back.
TYPED_TEST(BatchFailureTest, ReportsTheFilesARollBackCouldNotPutBack) {
    ScriptedFileOps ops(this->m_disk.ops());
    ops.failRename(6, EIO);
    ops.failRename(7, EACCES);
    const km::BatchOutcome outcome = renameBatch(this->batch(), ops);
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.touched);
    EXPECT_EQ(km::batchMessage(outcome),
              "Renaming \"_KM_a.jpg\" to \"a.jpg\" failed: Input/output error.\r\n"
              "These files could not be given their previous names back:\r\n"
              "\"a.jpg\" is now named \"b.jpg\" (Permission denied).\r\n"
              "\"b.jpg\" is now named \"_KM_a.jpg\" (a file of that name already "
              "exists).");
    EXPECT_EQ(outcome.stranded,
              (std::vector<km::RenamePair>{{"a.jpg", "b.jpg"}, {"b.jpg", "_KM_a.jpg"}}));
    EXPECT_EQ(this->m_disk.snapshot(), moved({{"b.jpg", "a.jpg"},
                                              {"_KM_a.jpg", "b.jpg"},
                                              {"c.jpg", "c.jpg"},
                                              {"d.jpg", "d.jpg"},
                                              {"keep.jpg", "keep.jpg"}}));
}

// Another program moved a file away while the batch was failing: it is under no name of ours.
TYPED_TEST(BatchFailureTest, AFileMovedAwayDuringTheRollBackIsSaidToBeGone) {
    ScriptedFileOps ops(this->m_disk.ops());
    ops.failRename(3, EIO);
    ops.beforeRename(4, [this] { this->m_disk.remove("_KM_a.jpg"); });
    const km::BatchOutcome outcome = renameBatch(this->batch(), ops);
    EXPECT_TRUE(km::batchMessage(outcome).endsWith(
        "\"b.jpg\" was last named \"_KM_a.jpg\" and is no longer in the folder."))
        << km::batchMessage(outcome).toStdString();
}

TYPED_TEST(BatchFailureTest, UndoReportsStrandedFilesUnderTheirOriginalNames) {
    ASSERT_TRUE(renameBatch(this->batch(), this->m_disk.ops()).done);
    ScriptedFileOps ops(this->m_disk.ops());
    ops.failRename(8, EIO);
    ops.failRename(9, EIO);
    const km::BatchOutcome outcome = undoBatch(this->batch(), ops);
    EXPECT_FALSE(outcome.done);
    // The undo moved x.jpg's file to "c.jpg" and could not move it back.
    EXPECT_EQ(outcome.stranded, (std::vector<km::RenamePair>{{"c.jpg", "c.jpg"}}));
    Snapshot expected = this->renamed();
    expected.erase("x.jpg");
    expected["c.jpg"] = "c.jpg";
    EXPECT_EQ(this->m_disk.snapshot(), expected);
}

} // namespace
