// SPDX-License-Identifier: MIT
#include "plan/clash_reason.h"
#include "plan/companions.h"
#include "plan/conflicts.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<int>;

// Straight scan of the rule: for each kept row in order, the first renamed row in row order whose
// new name equals the kept name, letter case ignored.
km::Conflicts scanInRowOrder(const QStringList& originals, const QStringList& newNames) {
    km::Conflicts result;
    std::vector<bool> red(originals.size(), false);
    for (qsizetype kept = 0; kept < originals.size(); ++kept) {
        if (!newNames[kept].isEmpty())
            continue;
        for (qsizetype renamed = 0; renamed < newNames.size(); ++renamed) {
            if (!newNames[renamed].isEmpty() &&
                newNames[renamed].compare(originals[kept], Qt::CaseInsensitive) == 0) {
                result.found = true;
                red[renamed] = true;
                break;
            }
        }
    }
    for (qsizetype row = 0; row < originals.size(); ++row) {
        if (red[row])
            result.conflictingRows.push_back(static_cast<int>(row));
    }
    return result;
}

TEST(Conflicts, RenamedRowTakingAKeptNameIsRedRegardlessOfCase) {
    const auto result = km::findConflicts({"IMG_1.JPG", "x.jpg"}, {"", "img_1.jpg"});
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.conflictingRows, Rows({1}));
}

TEST(Conflicts, OnlyTheLowestOfSeveralRenamedRowsIsRed) {
    const auto result = km::findConflicts({"a.jpg", "b.jpg", "keep.jpg", "c.jpg"},
                                          {"x", "KEEP.jpg", "", "keep.JPG"});
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.conflictingRows, Rows({1}));
}

TEST(Conflicts, EachRedRowIsListedOnceInRowOrder) {
    // Two kept files differing only in case both collide with row 0; row 3 collides with row 2.
    const QStringList originals{"a", "Same.jpg", "b", "other", "SAME.JPG"};
    const QStringList newNames{"same.jpg", "", "OTHER", "", ""};
    const auto result = km::findConflicts(originals, newNames);
    EXPECT_EQ(result.conflictingRows, Rows({0, 2}));
}

TEST(Conflicts, NoConflictWithoutAKeptFileOfThatName) {
    // A row renamed to its own name keeps nothing, and two renamed rows sharing a name are left to
    // the rename itself.
    EXPECT_FALSE(
        km::findConflicts({"foto_001.jpg", "b.jpg"}, {"foto_001.jpg", "foto_001.jpg"}).found);
    // Names are compared whole.
    EXPECT_FALSE(km::findConflicts({"A.JPG", "b"}, {"", "XA.JPG"}).found);
    EXPECT_FALSE(km::findConflicts({"A.JPG.bak", "b"}, {"", "a.jpg"}).found);
    EXPECT_FALSE(km::findConflicts({"a", "b"}, {"", ""}).found);
    EXPECT_FALSE(km::findConflicts({}, {}).found);
}

TEST(Conflicts, KeptNamesHoldingTheIndexSeparatorMatchOnlyWhole) {
    // A text index "|A| 2||B| 3|" would find "A| 2||B"; whole names never do.
    const auto result = km::findConflicts({"A| 2||B", "x", "y"}, {"", "a", "b"});
    EXPECT_FALSE(result.found);
    EXPECT_TRUE(result.conflictingRows.empty());
}

TEST(Conflicts, RowsWithoutANewNameEntryKeepTheirName) {
    const auto result = km::findConflicts({"x.jpg", "keep.jpg"}, {"KEEP.JPG"});
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.conflictingRows, Rows({0}));
}

TEST(Conflicts, IgnoresCaseBeyondAsciiThroughCaseFolding) {
    EXPECT_EQ(km::findConflicts({"\u00c4RGER.JPG", "x"}, {"", "\u00e4rger.jpg"}).conflictingRows,
              Rows({1}));
    // Final sigma and sigma fold alike.
    EXPECT_TRUE(km::findConflicts({"\u03c2.jpg", "x"}, {"", "\u03a3.jpg"}).found);
    // The Kelvin sign folds to a plain k, and letters beyond the 16-bit range fold too.
    EXPECT_TRUE(km::findConflicts({"\u212a.jpg", "x"}, {"", "K.JPG"}).found);
    EXPECT_TRUE(km::findConflicts({"k.jpg", "x"}, {"", "\u212a.JPG"}).found);
    EXPECT_TRUE(km::findConflicts({"\U00010400.jpg", "x"}, {"", "\U00010428.jpg"}).found);
    // Capital sharp s folds to sharp s; the folding maps one letter to one, so "SS" stays apart.
    EXPECT_TRUE(km::findConflicts({"STRA\u1e9eE.JPG", "x"}, {"", "stra\u00dfe.jpg"}).found);
    EXPECT_FALSE(km::findConflicts({"STRASSE.JPG", "x"}, {"", "stra\u00dfe.jpg"}).found);
    // Different letters stay different.
    EXPECT_FALSE(km::findConflicts({"\u00e4.jpg", "x"}, {"", "a.jpg"}).found);
}

TEST(Conflicts, AgreesWithAScanInRowOrderOnRandomLists) {
    QRandomGenerator random(20240611);
    const QStringList pool{"a.jpg", "A.JPG",      "b.jpg",      "B.jpg",     "c.gif",
                           "k.gif", "\u212a.GIF", "\u00c4.jpg", "\u00e4.JPG"};
    for (int round = 0; round < 500; ++round) {
        const int rows = random.bounded(1, round % 10 == 0 ? 400 : 12);
        // Larger lists draw from more distinct names, so the index holds many entries.
        const auto name = [&] {
            return QStringLiteral("%1_%2")
                .arg(random.bounded(rows / 8 + 1))
                .arg(pool[random.bounded(pool.size())]);
        };
        QStringList originals, newNames;
        for (int row = 0; row < rows; ++row) {
            originals.append(name());
            newNames.append(random.bounded(3) == 0 ? QString() : name());
        }
        const auto expected = scanInRowOrder(originals, newNames);
        const auto actual = km::findConflicts(originals, newNames);
        ASSERT_EQ(actual.found, expected.found)
            << originals.join(',').toStdString() << " / " << newNames.join(',').toStdString();
        ASSERT_EQ(actual.conflictingRows, expected.conflictingRows)
            << originals.join(',').toStdString() << " / " << newNames.join(',').toStdString();
    }
}

// A red row is explained by the file that keeps the name it would take, found also through its
// companions and in another letter case, or by the other row that gives the same name.
TEST(ClashReason, NamesTheFileOrTheRowBehindARedRow) {
    using Kind = km::ClashReason::Kind;
    const QStringList names{"a.jpg", "b.jpg", "FOTO_002.JPG", "c.jpg"};
    const QStringList newNames{"foto_001.jpg", "foto_002.jpg", "", "foto_001.jpg"};
    const km::CompanionPlan none = km::planCompanions(names, newNames, {});
    const km::ClashReason caseOnly = km::clashReasonOf(1, names, newNames, none);
    EXPECT_EQ(caseOnly.kind, Kind::KeptFile);
    EXPECT_EQ(caseOnly.newName, "foto_002.jpg");
    EXPECT_EQ(caseOnly.other, "FOTO_002.JPG");
    EXPECT_TRUE(caseOnly.caseOnly);
    const km::ClashReason twice = km::clashReasonOf(0, names, newNames, none);
    EXPECT_EQ(twice.kind, Kind::SameNewName);
    EXPECT_EQ(twice.other, "c.jpg");
    EXPECT_FALSE(twice.caseOnly);
    EXPECT_EQ(km::clashReasonOf(2, names, newNames, none).kind, Kind::None);

    // A photo's sidecar would take the name of a sidecar that stays.
    const QStringList photos{"IMG_1.JPG", "x_1.jpeg"};
    const QStringList given{"x_1.JPG", ""};
    const km::CompanionPlan plan = km::planCompanions(photos, given, {"IMG_1.xmp", "x_1.xmp"});
    const km::ClashReason sidecar = km::clashReasonOf(0, photos, given, plan);
    EXPECT_EQ(sidecar.kind, Kind::KeptFile);
    EXPECT_EQ(sidecar.newName, "x_1.xmp");
    EXPECT_EQ(sidecar.other, "x_1.xmp");
}

} // namespace
