// SPDX-License-Identifier: MIT
#include "batch/batch_words.h"
#include "plan/companions.h"
#include "support/batch_fakes.h"

#include <gtest/gtest.h>

namespace {

using Pairs = std::vector<km::RenamePair>;

TEST(Companions, CandidatesAreNamesWithARawOrSidecarExtension) {
    for (const QString name : {"a.CR2", "a.x3f", "b.3FR", "a.Xmp", "a.aae", "x.y.pp3", "a.THM"})
        EXPECT_TRUE(km::isCompanionCandidate(name)) << name.toStdString();
    for (const QString name : {"a.jpg", "a.txt", ".xmp", ".a.xmp", "xmp", "a.cr22", "a.r2", "a.cr"})
        EXPECT_FALSE(km::isCompanionCandidate(name)) << name.toStdString();
}

TEST(Companions, EachKindFollowsItsPhotoKeepingItsOwnEnding) {
    const QStringList photos{"IMG_0001.JPG"};
    const QStringList newNames{"foto_001.JPG"};
    QStringList endings{".JPG.xmp", ".jpg.XMP", ".Cr2", ".xmp", ".PP3", ".dop", ".thm", ".AAE"};
    for (const char* raw :
         {"cr2", "CR3", "crw", "NEF", "nrw", "arw", "SRF", "sr2", "raf", "ORF", "rw2", "pef",
          "DNG", "srw", "X3F", "3fr", "iiq", "rwl", "erf", "kdc", "mrw", "mos", "MOV", "mp4"})
        endings << QStringLiteral(".%1").arg(raw) << QStringLiteral(".%1.xmp").arg(raw);
    for (const QString& ending : endings) {
        SCOPED_TRACE(ending.toStdString());
        // The RAW's own ".xmp" follows only when that RAW is there too.
        QStringList candidates{"img_0001" + ending};
        const km::CompanionPlan alone = km::planCompanions(photos, newNames, candidates);
        const bool ownsAnXmp =
            ending.count('.') == 2 && !ending.startsWith(".jpg", Qt::CaseInsensitive);
        if (ownsAnXmp) {
            EXPECT_EQ(alone.pairs, Pairs());
            candidates << "IMG_0001" + ending.chopped(4);
        }
        const km::CompanionPlan plan = km::planCompanions(photos, newNames, candidates);
        ASSERT_EQ(plan.pairs.size(), static_cast<std::size_t>(candidates.size()));
        EXPECT_EQ(plan.pairs.front(), km::RenamePair({candidates[0], "foto_001" + ending}));
        EXPECT_EQ(plan.pairsOf(0).size(), plan.pairs.size());
    }
}

TEST(Companions, LookAlikesAreNoCompanions) {
    const QStringList lookAlikes{"IMG_0001_edit.xmp", "IMG_00011.CR2",    "IMG_0001.txt",
                                 "IMG_0001.JPG.pp3",  "IMG_0001.NEF.xmp", "IMG_000.xmp"};
    const km::CompanionPlan plan = km::planCompanions({"IMG_0001.JPG"}, {"f_1.JPG"}, lookAlikes);
    EXPECT_EQ(plan.pairs, Pairs());
    EXPECT_EQ(plan.unowned, lookAlikes);
}

TEST(Companions, APhotoNotRenamedKeepsItsCompanions) {
    const km::CompanionPlan plan = km::planCompanions({"A.jpg", "B.jpg", "C.gif"}, {"x_1.jpg", ""},
                                                      {"B.CR2", "A.nef", "b.xmp"});
    EXPECT_EQ(plan.pairs, Pairs({{"A.nef", "x_1.nef"}}));
    EXPECT_EQ(plan.firstPair, std::vector<std::size_t>({0, 1, 1, 1}));
    EXPECT_EQ(plan.kept, QStringList({"B.CR2", "b.xmp"}));
    EXPECT_EQ(plan.keptRow, std::vector<int>({1, 1}));
}

TEST(Companions, ACompanionOfTwoPhotosRefusesARenameOfEither) {
    const QStringList photos{"IMG_1.jpg", "IMG_2.jpg", "IMG_1.jpeg", "img_1.JPG"};
    const QStringList candidates{"IMG_2.CR2", "IMG_1.CR2", "IMG_1.CR2.xmp", "IMG_1.JPG.xmp"};
    const km::CompanionPlan plan =
        km::planCompanions(photos, {"", "a_1.jpg", "", "a_2.JPG"}, candidates);
    EXPECT_EQ(plan.pairs, Pairs({{"IMG_2.CR2", "a_1.CR2"}}));
    ASSERT_EQ(plan.claimedTwice.size(), 3u);
    EXPECT_EQ(plan.claimedTwice[0].rows, std::vector<int>({0, 2}));
    EXPECT_EQ(km::refusalText(km::companionRefusal(plan, photos)),
              "Can't rename \"IMG_1.CR2\" with its photo:\r\n"
              "it belongs to \"IMG_1.jpg\" and to \"IMG_1.jpeg\".\r\nNothing was renamed.");

    const km::CompanionPlan unrenamed =
        km::planCompanions(photos, {"", "a_1.jpg", "", ""}, candidates);
    EXPECT_TRUE(unrenamed.claimedTwice.empty());
    EXPECT_EQ(km::refusalText(km::companionRefusal(unrenamed, photos)), QString());
    EXPECT_EQ(unrenamed.unowned, candidates.mid(1));
}

TEST(Companions, ACompanionTakingTheNameOfAFileThatStaysReddensItsPhoto) {
    struct Case {
        const char* what;
        QStringList newNames;
        std::vector<int> conflictingRows;
    };
    // Row 0 keeps its name and its RAW; "foto_9.NEF" belongs to no photo.
    const QStringList photos{"IMG_1.jpg", "b.jpeg", "c.jpg", "d.jpg"};
    const QStringList candidates{"IMG_1.CR2", "b.cr2", "c.NEF", "foto_9.NEF", "d.xmp"};
    for (const Case& test : {Case{"kept companion", {"", "IMG_1.jpeg", "x.jpg", ""}, {1}},
                             Case{"unowned file", {"", "", "foto_9.jpg", "IMG_1.jpg"}, {2, 3}},
                             Case{"no collision", {"", "y.jpeg", "x.jpg", "z.jpg"}, {}}}) {
        SCOPED_TRACE(test.what);
        const km::CompanionPlan plan = km::planCompanions(photos, test.newNames, candidates);
        const km::Conflicts conflicts =
            km::findConflictsWithCompanions(photos, test.newNames, plan);
        EXPECT_EQ(conflicts.conflictingRows, test.conflictingRows);
        EXPECT_EQ(conflicts.found, !test.conflictingRows.empty());
    }
}

template <typename Disk> class CompanionBatchTest : public DiskTest<Disk> {};
TYPED_TEST_SUITE(CompanionBatchTest, Disks, DiskName);

TYPED_TEST(CompanionBatchTest, PhotosRenamedWithTheirCompanionsAndBack) {
    const QStringList photos{"IMG_0001.JPG", "IMG_0002.jpg"};
    const QStringList newNames{"foto_001.JPG", "foto_002.jpg"};
    this->writeNamed({"IMG_0001.JPG", "IMG_0001.CR2", "img_0001.CR2.xmp", "IMG_0001.JPG.xmp",
                      "IMG_0002.jpg", "IMG_0002.nef", "IMG_0003.CR2"});
    const Snapshot original = this->m_disk.snapshot();
    const km::CompanionPlan companions = km::planCompanions(
        photos, newNames, {"IMG_0001.CR2", "img_0001.CR2.xmp", "IMG_0001.JPG.xmp", "IMG_0002.nef"});
    auto plan = this->plan({{photos[0], newNames[0]}, {photos[1], newNames[1]}});
    plan.pairs.insert(plan.pairs.end(), companions.pairs.begin(), companions.pairs.end());

    EXPECT_TRUE(km::renameBatch(plan, this->m_disk.ops()).done);
    EXPECT_EQ(this->m_disk.snapshot(), moved({{"foto_001.JPG", "IMG_0001.JPG"},
                                              {"foto_001.CR2", "IMG_0001.CR2"},
                                              {"foto_001.CR2.xmp", "img_0001.CR2.xmp"},
                                              {"foto_001.JPG.xmp", "IMG_0001.JPG.xmp"},
                                              {"foto_002.jpg", "IMG_0002.jpg"},
                                              {"foto_002.nef", "IMG_0002.nef"},
                                              {"IMG_0003.CR2", "IMG_0003.CR2"}}));
    EXPECT_TRUE(km::undoBatch(plan, this->m_disk.ops()).done);
    EXPECT_EQ(this->m_disk.snapshot(), original);
}

TEST(CompanionsOfDatedNames, RawAndSidecarFilesFollowTheDatedName) {
    const km::CompanionPlan plan = km::planCompanions(
        {"IMG_1.JPG", "IMG_2.JPG"}, {"Trip_2024-05-01_001.JPG", ""}, {"IMG_1.CR2", "IMG_2.CR2"});
    EXPECT_EQ(plan.pairs, (std::vector<km::RenamePair>{{"IMG_1.CR2", "Trip_2024-05-01_001.CR2"}}));
}

} // namespace
