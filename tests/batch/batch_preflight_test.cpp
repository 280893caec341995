// SPDX-License-Identifier: MIT
#include "batch/batch.h"
#include "batch/batch_words.h"
#include "support/batch_fakes.h"

#include <gtest/gtest.h>

namespace {

using km::renameBatch;
using km::undoBatch;

template <typename Disk> class BatchRefusalTest : public DiskTest<Disk> {
protected:
    void SetUp() override {
        this->writeNamed({"a.jpg", "b.jpg", "c.jpg", "other.jpg"});
        this->m_disk.makeFolder("sub");
        m_before = this->m_disk.snapshot();
    }

    // Expects the batch refused before any file moved, for the given reason.
    km::BatchOutcome expectRefused(const km::BatchOutcome& outcome, const QString& reason) const {
        EXPECT_FALSE(outcome.done);
        EXPECT_FALSE(outcome.touched);
        EXPECT_TRUE(outcome.stranded.empty());
        EXPECT_TRUE(km::batchMessage(outcome).contains(reason))
            << km::batchMessage(outcome).toStdString();
        EXPECT_TRUE(km::batchMessage(outcome).endsWith("\r\nNothing was renamed."));
        EXPECT_EQ(this->m_disk.snapshot(), m_before);
        return outcome;
    }

    km::BatchOutcome refuse(std::vector<km::RenamePair> pairs, const QString& reason) {
        return expectRefused(renameBatch(this->plan(std::move(pairs)), this->m_disk.ops()), reason);
    }

    Snapshot m_before;
};

TYPED_TEST_SUITE(BatchRefusalTest, Disks, DiskName);

TYPED_TEST(BatchRefusalTest, NamesTheMissingSourceInFull) {
    const km::BatchOutcome outcome =
        renameBatch(this->plan({{"a.jpg", "x.jpg"}, {"gone.jpg", "y.jpg"}}), this->m_disk.ops());
    EXPECT_EQ(km::batchMessage(outcome), "Can't rename \"gone.jpg\" to \"y.jpg\":\r\n"
                                         "\"gone.jpg\" is no longer in the folder.\r\n"
                                         "Nothing was renamed.");
    this->expectRefused(outcome, "gone.jpg");
}

TYPED_TEST(BatchRefusalTest, RefusesSourcesThatAreNotSingleFiles) {
    this->refuse({{"sub", "x.jpg"}}, "\"sub\" is not a plain file");
    this->refuse({{"a.jpg", "x.jpg"}, {"a.jpg", "y.jpg"}}, "\"a.jpg\" is listed twice");
}

TYPED_TEST(BatchRefusalTest, ReportsEveryPairThatSharesATarget) {
    const km::BatchOutcome outcome = this->refuse(
        {{"a.jpg", "x.jpg"}, {"b.jpg", "y.jpg"}, {"c.jpg", "x.jpg"}, {"other.jpg", "z.jpg"}},
        "Can't rename \"c.jpg\" to \"x.jpg\":\r\n\"x.jpg\" is also the new name of \"a.jpg\".");
    EXPECT_EQ(outcome.duplicateTargets, (std::vector<std::size_t>{0, 2}));
}

// More names than the check looks up at a time: each clash is still told of the right file.
TYPED_TEST(BatchRefusalTest, ChecksEveryNameOfALargeBatch) {
    const auto name = [](int i) {
        return QStringLiteral("f%1.jpg").arg(i, 3, 10, QChar(u'0'));
    };
    std::vector<km::RenamePair> rotation;
    for (int i = 0; i < 300; ++i) {
        this->m_disk.write(name(i), name(i).toUtf8());
        rotation.push_back({name(i), name((i + 1) % 300)});
    }
    this->m_before = this->m_disk.snapshot();

    std::vector<km::RenamePair> shared = rotation;
    shared[250].to = shared[10].to;
    const km::BatchOutcome outcome =
        this->refuse(shared, "Can't rename \"f250.jpg\" to \"f011.jpg\":\r\n"
                             "\"f011.jpg\" is also the new name of \"f010.jpg\".");
    EXPECT_EQ(outcome.duplicateTargets, (std::vector<std::size_t>{10, 250}));

    std::vector<km::RenamePair> taken = rotation;
    taken[280].to = "other.jpg";
    this->refuse(taken, "Can't rename \"f280.jpg\" to \"other.jpg\"");

    EXPECT_TRUE(renameBatch(this->plan(rotation), this->m_disk.ops()).done);
    const Snapshot after = this->m_disk.snapshot();
    EXPECT_EQ(after.size(), this->m_before.size());
    EXPECT_EQ(after.at("f000.jpg"), "f299.jpg");
    EXPECT_EQ(after.at("f200.jpg"), "f199.jpg");
}

TYPED_TEST(BatchRefusalTest, RefusesTargetsTakenByEntriesThatStay) {
    this->refuse({{"a.jpg", "other.jpg"}}, "\"other.jpg\" is already taken by a file");
    this->refuse({{"a.jpg", "sub"}}, "\"sub\" is already taken by a folder");
    this->m_disk.write(".x.jpg", "hidden");
    this->m_before = this->m_disk.snapshot();
    this->expectRefused(undoBatch(this->plan({{".x.jpg", "a.jpg"}}), this->m_disk.ops()),
                        "\".x.jpg\" is already taken by a file");
}

TYPED_TEST(BatchRefusalTest, RefusesNewNamesThatWouldHideThePhotosButUndoesThem) {
    const km::BatchOutcome outcome = renameBatch(
        this->plan({{"a.jpg", "x001.jpg"}, {"b.jpg", ".x002.jpg"}}), this->m_disk.ops());
    EXPECT_EQ(km::batchMessage(outcome), "Can't rename \"b.jpg\" to \".x002.jpg\":\r\n"
                                         "\".x002.jpg\" would be a hidden file.\r\n"
                                         "Nothing was renamed.");
    this->expectRefused(outcome, "hidden");
    EXPECT_TRUE(undoBatch(this->plan({{".a.jpg", "a.jpg"}}), this->m_disk.ops()).done);
    EXPECT_EQ(this->m_disk.snapshot().count(".a.jpg"), 1U);
}

TYPED_TEST(BatchRefusalTest, RefusesALeftoverTemporaryFileEvenWhenItIsRenamedToo) {
    this->m_disk.write("_KM_x.jpg", "leftover");
    this->m_before = this->m_disk.snapshot();
    this->refuse({{"a.jpg", "x.jpg"}},
                 "its temporary name \"_KM_x.jpg\" is already taken by a file");
    this->refuse({{"_KM_x.jpg", "y.jpg"}, {"a.jpg", "x.jpg"}},
                 "its temporary name \"_KM_x.jpg\" is already taken by a file");
}

TYPED_TEST(BatchRefusalTest, RefusesATargetThatIsAnotherFilesTemporaryName) {
    this->refuse({{"a.jpg", "x.jpg"}, {"b.jpg", "_KM_x.jpg"}},
                 "\"_KM_x.jpg\" is also the temporary name used while renaming \"a.jpg\"");
}

TYPED_TEST(BatchRefusalTest, RefusesNamesTheFolderCannotHold) {
    const std::vector<std::pair<QString, QString>> names{
        {"", "the name is empty"},
        {"sub/x.jpg", "a file name cannot contain \"/\""},
        {".", "\".\" and \"..\" cannot be file names"},
        {"..", "\".\" and \"..\" cannot be file names"},
        {QString::fromUtf8("a\0b.jpg", 7), "a file name cannot contain a NUL character"},
        {QString(256, 'n'), "the name is longer than 255 bytes"},
        {QString(128, QChar(0xE9)), "the name is longer than 255 bytes"},
    };
    for (const auto& [name, reason] : names) {
        SCOPED_TRACE(name.left(20).toStdString());
        this->refuse({{"a.jpg", "x.jpg"}, {"b.jpg", name}}, reason);
        this->refuse({{"a.jpg", "x.jpg"}, {name, "y.jpg"}}, reason);
    }
    this->refuse({{"../a.jpg", "x.jpg"}}, "cannot contain \"/\"");
}

// The temporary name is built from the new name only: a long old name renames.
TYPED_TEST(BatchRefusalTest, OnlyANewNameMustLeaveRoomForItsTemporaryName) {
    const QString longName = QString(248, 'n') + ".jpg";
    this->refuse({{"a.jpg", longName}},
                 "its temporary name \"_KM_" + longName + "\" would be longer than 255 bytes");
    this->m_disk.write(longName, "long");
    EXPECT_TRUE(renameBatch(this->plan({{longName, "short.jpg"}}), this->m_disk.ops()).done);
    EXPECT_EQ(this->m_disk.snapshot().count(longName), 0u);
}

TYPED_TEST(BatchRefusalTest, NamesOnlyTheFirstOffendingFile) {
    const km::BatchOutcome outcome = this->refuse(
        {{"a.jpg", "x.jpg"}, {"b.jpg", "other.jpg"}, {"gone.jpg", "z.jpg"}}, "\"b.jpg\"");
    EXPECT_FALSE(km::batchMessage(outcome).contains("gone.jpg"));
}

TYPED_TEST(BatchRefusalTest, UndoRefusesWhenTheFolderChangedSinceTheRename) {
    const auto plan = this->plan({{"a.jpg", "x.jpg"}, {"b.jpg", "y.jpg"}});
    ASSERT_TRUE(renameBatch(plan, this->m_disk.ops()).done);

    this->m_disk.write("a.jpg", "a new file under an original name");
    this->m_before = this->m_disk.snapshot();
    this->expectRefused(undoBatch(plan, this->m_disk.ops()),
                        "Can't rename \"x.jpg\" to \"a.jpg\":\r\n\"a.jpg\" is already taken");

    this->m_disk.remove("a.jpg");
    this->m_disk.remove("y.jpg");
    this->m_before = this->m_disk.snapshot();
    this->expectRefused(undoBatch(plan, this->m_disk.ops()),
                        "\"y.jpg\" is no longer in the folder");
}

} // namespace
