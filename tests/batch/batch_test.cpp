// SPDX-License-Identifier: MIT
#include "batch/batch.h"
#include "batch/batch_words.h"
#include "support/batch_fakes.h"

#include <gtest/gtest.h>

namespace {

using km::renameBatch;
using km::undoBatch;

template <typename Disk> class BatchTest : public DiskTest<Disk> {
protected:
    void expectDone(const km::BatchOutcome& outcome) const {
        EXPECT_TRUE(outcome.done);
        EXPECT_TRUE(outcome.touched);
        EXPECT_EQ(km::batchMessage(outcome), QString());
        EXPECT_TRUE(outcome.stranded.empty());
        EXPECT_TRUE(outcome.duplicateTargets.empty());
    }
};

TYPED_TEST_SUITE(BatchTest, Disks, DiskName);

TYPED_TEST(BatchTest, SwapsTwoNamesBothWays) {
    this->writeNamed({"foto_001.jpg", "foto_002.jpg"});
    const auto swap =
        this->plan({{"foto_002.jpg", "foto_001.jpg"}, {"foto_001.jpg", "foto_002.jpg"}});
    this->expectDone(renameBatch(swap, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(),
              moved({{"foto_001.jpg", "foto_002.jpg"}, {"foto_002.jpg", "foto_001.jpg"}}));

    const auto back =
        this->plan({{"foto_001.jpg", "foto_002.jpg"}, {"foto_002.jpg", "foto_001.jpg"}});
    this->expectDone(renameBatch(back, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), namedFiles({"foto_001.jpg", "foto_002.jpg"}));

    this->expectDone(renameBatch(swap, this->m_disk.ops()));
    this->expectDone(undoBatch(swap, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), namedFiles({"foto_001.jpg", "foto_002.jpg"}));
}

TYPED_TEST(BatchTest, RenamesByLetterCaseOnly) {
    this->writeNamed({"IMG_1.JPG"});
    const auto plan = this->plan({{"IMG_1.JPG", "img_1.jpg"}});
    this->expectDone(renameBatch(plan, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), moved({{"img_1.jpg", "IMG_1.JPG"}}));
    this->expectDone(undoBatch(plan, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), namedFiles({"IMG_1.JPG"}));
}

TYPED_TEST(BatchTest, KeepsAFileWhoseTargetIsItsOwnName) {
    this->writeNamed({"foto_001.jpg", "b.jpg"});
    const auto plan = this->plan({{"foto_001.jpg", "foto_001.jpg"}, {"b.jpg", "foto_002.jpg"}});
    this->expectDone(renameBatch(plan, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(),
              moved({{"foto_001.jpg", "foto_001.jpg"}, {"foto_002.jpg", "b.jpg"}}));
}

TYPED_TEST(BatchTest, UndoGivesBackTheOriginalNamesAndLeavesOtherFilesAlone) {
    this->writeNamed({"IMG_1.JPG", "b.gif", "c.bmp", "keep.jpg", ".hidden"});
    const auto plan = this->plan(
        {{"IMG_1.JPG", "foto_001.JPG"}, {"b.gif", "foto_002.gif"}, {"c.bmp", "foto_003.bmp"}});
    this->expectDone(renameBatch(plan, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), moved({{"foto_001.JPG", "IMG_1.JPG"},
                                              {"foto_002.gif", "b.gif"},
                                              {"foto_003.bmp", "c.bmp"},
                                              {"keep.jpg", "keep.jpg"},
                                              {".hidden", ".hidden"}}));
    this->expectDone(undoBatch(plan, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(),
              namedFiles({"IMG_1.JPG", "b.gif", "c.bmp", "keep.jpg", ".hidden"}));
}

TYPED_TEST(BatchTest, UndoAfterTwoRenamesReversesOnlyTheSecond) {
    this->writeNamed({"a.jpg", "b.jpg"});
    const auto first = this->plan({{"a.jpg", "x_1.jpg"}, {"b.jpg", "x_2.jpg"}});
    const auto second = this->plan({{"x_1.jpg", "x_2.jpg"}, {"x_2.jpg", "y_1.jpg"}});
    this->expectDone(renameBatch(first, this->m_disk.ops()));
    this->expectDone(renameBatch(second, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), moved({{"x_2.jpg", "a.jpg"}, {"y_1.jpg", "b.jpg"}}));
    this->expectDone(undoBatch(second, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), moved({{"x_1.jpg", "a.jpg"}, {"x_2.jpg", "b.jpg"}}));
}

TYPED_TEST(BatchTest, AddsTheSeparatorToAFolderWithoutOne) {
    this->writeNamed({"a.jpg"});
    QString folder = this->m_disk.folder();
    folder.chop(1);
    this->expectDone(renameBatch({folder, {{"a.jpg", "b.jpg"}}}, this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), moved({{"b.jpg", "a.jpg"}}));
}

TYPED_TEST(BatchTest, AnEmptyPlanIsDoneWithoutTouchingAnything) {
    this->writeNamed({"a.jpg"});
    const km::BatchOutcome outcome = renameBatch(this->plan({}), this->m_disk.ops());
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.touched);
    EXPECT_EQ(this->m_disk.snapshot(), namedFiles({"a.jpg"}));
}

TYPED_TEST(BatchTest, AcceptsTheLongestNameWhoseTemporaryNameFits) {
    const QString longest(251, QLatin1Char('n'));
    this->writeNamed({"a.jpg"});
    this->expectDone(renameBatch(this->plan({{"a.jpg", longest}}), this->m_disk.ops()));
    EXPECT_EQ(this->m_disk.snapshot(), moved({{longest, "a.jpg"}}));
}

// File systems that ignore letter case are only available in memory here.
class CaseBlindBatchTest : public testing::Test {
protected:
    km::BatchPlan plan(std::vector<km::RenamePair> pairs) const { return {"/photos/", pairs}; }

    FakeFileOps m_ops{"/photos/", true};
};

TEST_F(CaseBlindBatchTest, RenamesByLetterCaseOnly) {
    m_ops.write("IMG_1.JPG", "one");
    const auto plan = this->plan({{"IMG_1.JPG", "img_1.jpg"}});
    EXPECT_TRUE(renameBatch(plan, m_ops).done);
    EXPECT_EQ(m_ops.snapshot(), (Snapshot{{"img_1.jpg", "one"}}));
    EXPECT_TRUE(undoBatch(plan, m_ops).done);
    EXPECT_EQ(m_ops.snapshot(), (Snapshot{{"IMG_1.JPG", "one"}}));
}

TEST_F(CaseBlindBatchTest, ASourceFreesTheNameThatDiffersFromItOnlyInCase) {
    m_ops.write("A.jpg", "a");
    m_ops.write("b.JPG", "b");
    EXPECT_TRUE(renameBatch(plan({{"A.jpg", "B.jpg"}, {"b.JPG", "a.jpg"}}), m_ops).done);
    EXPECT_EQ(m_ops.snapshot(), (Snapshot{{"B.jpg", "a"}, {"a.jpg", "b"}}));
}

TEST_F(CaseBlindBatchTest, RefusesNamesThatDifferOnlyInCase) {
    m_ops.write("a.jpg", "a");
    m_ops.write("b.jpg", "b");
    m_ops.write("C.JPG", "c");
    m_ops.write("_KM_D.JPG", "leftover");
    const Snapshot before = m_ops.snapshot();
    const std::vector<std::pair<km::BatchPlan, QString>> refusals{
        {plan({{"a.jpg", "x.jpg"}, {"b.jpg", "X.JPG"}}),
         "\"X.JPG\" is also the new name of \"a.jpg\""},
        {plan({{"a.jpg", "c.jpg"}}), "\"c.jpg\" is already taken by a file"},
        {plan({{"a.jpg", "d.jpg"}}), "its temporary name \"_KM_d.jpg\" is already taken by a file"},
        {plan({{"a.jpg", "x.jpg"}, {"A.JPG", "y.jpg"}}), "\"A.JPG\" is listed twice"},
    };
    for (const auto& [refused, reason] : refusals) {
        const km::BatchOutcome outcome = renameBatch(refused, m_ops);
        EXPECT_FALSE(outcome.touched);
        EXPECT_TRUE(km::batchMessage(outcome).contains(reason))
            << km::batchMessage(outcome).toStdString();
        EXPECT_EQ(m_ops.snapshot(), before);
    }
}

TEST(CaseSensitiveBatch, AcceptsNamesThatDifferOnlyInCase) {
    FakeFileOps ops("/photos/");
    ops.write("a.jpg", "a");
    ops.write("b.jpg", "b");
    ops.write("C.JPG", "c");
    EXPECT_TRUE(renameBatch({"/photos/", {{"a.jpg", "x.jpg"}, {"b.jpg", "X.JPG"}}}, ops).done);
    EXPECT_TRUE(renameBatch({"/photos/", {{"x.jpg", "c.jpg"}}}, ops).done);
    EXPECT_EQ(ops.snapshot(), (Snapshot{{"C.JPG", "c"}, {"X.JPG", "b"}, {"c.jpg", "a"}}));
}

} // namespace
