#include "rename/naming.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace {

using km::NamingFields;

const NamingFields kDefaults{QStringLiteral("foto_"), QStringLiteral("1"), QStringLiteral("3")};

QStringList photos(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("IMG_%1.jpg").arg(i));
    return names;
}

km::NewNames renameAll(const NamingFields& fields, const QStringList& originals) {
    return km::computeNewNames(fields, true, originals, {});
}

km::NewNames renameSelected(const NamingFields& fields, const QStringList& originals,
                            std::set<int> selected) {
    return km::computeNewNames(fields, false, originals,
                               [&](int row0) { return selected.count(row0) > 0; });
}

NamingFields withStart(const QString& start, const QString& digits = QStringLiteral("3")) {
    return {QStringLiteral("foto_"), start, digits};
}

// The number parts of the first count rows, prefix "foto_" and extension ".jpg" stripped.
QStringList numberParts(const km::NewNames& result, int count) {
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts.append(result.names[i].mid(5).chopped(4));
    return parts;
}

TEST(NewNames, NumbersEveryRowInRenameAllMode) {
    const auto result = renameAll(kDefaults, {"a.jpg", "b.JPG", "c.gif"});
    EXPECT_EQ(result.names, QStringList({"foto_001.jpg", "foto_002.JPG", "foto_003.gif"}));
    EXPECT_EQ(result.numberedCount, 3);
    EXPECT_TRUE(result.renameEnabled);
}

TEST(NewNames, NumbersOnlySelectedRowsCountingNumberedRowsOnly) {
    const QStringList originals{"a.jpg", "b.JPG", "c.gif", "d.bmp"};
    EXPECT_EQ(renameSelected(kDefaults, originals, {1}).names,
              QStringList({"", "foto_001.JPG", "", ""}));
    const auto two = renameSelected(kDefaults, originals, {1, 3});
    EXPECT_EQ(two.names, QStringList({"", "foto_001.JPG", "", "foto_002.bmp"}));
    EXPECT_EQ(two.numberedCount, 2);
    EXPECT_TRUE(two.renameEnabled);

    const auto none = renameSelected(kDefaults, originals, {});
    EXPECT_EQ(none.names, QStringList({"", "", "", ""}));
    EXPECT_EQ(none.numberedCount, 0);
    EXPECT_FALSE(none.renameEnabled);
}

TEST(NewNames, AsksForSelectionOnlyInSelectedModeOnceForEachRowInOrder) {
    int asked = 0;
    km::computeNewNames(kDefaults, true, photos(4), [&](int) { return ++asked, true; });
    EXPECT_EQ(asked, 0);

    std::vector<int> rows;
    km::computeNewNames(kDefaults, false, photos(4), [&](int row0) {
        rows.push_back(row0);
        return false;
    });
    EXPECT_EQ(rows, std::vector<int>({0, 1, 2, 3}));
    // Without a way to ask, no row counts as selected.
    EXPECT_EQ(km::computeNewNames(kDefaults, false, photos(2), {}).numberedCount, 0);
}

TEST(NewNames, EnablesRenameOnlyWhileTheNumberedCountFitsTheDigitCount) {
    struct Case {
        const char* digits;
        int rows;
        bool enabled;
    };
    for (const Case& c : {Case{"1", 9, true}, Case{"1", 10, false}, Case{"2", 99, true},
                          Case{"2", 100, false}, Case{"3", 999, true}, Case{"3", 1000, false},
                          Case{"2.5", 316, true}, Case{"2.5", 317, false}, Case{"0", 1, false},
                          Case{"", 1, false}, Case{"0.3", 1, true}, Case{"3", 0, false}}) {
        const auto result = renameAll(withStart("1", c.digits), photos(c.rows));
        EXPECT_EQ(result.renameEnabled, c.enabled) << c.digits << " digits, " << c.rows << " rows";
    }
}

TEST(NewNames, PadsAndCutsWithTheRoundedDigitCount) {
    EXPECT_EQ(renameAll(withStart("1", "2.5"), photos(1)).names[0], "foto_01.jpg");
    EXPECT_EQ(renameAll(withStart("1", "3.5"), photos(1)).names[0], "foto_0001.jpg");
    EXPECT_EQ(renameAll(withStart("1234", "3"), photos(1)).names[0], "foto_234.jpg");
    EXPECT_EQ(renameAll(withStart("7", "12"), photos(1)).names[0], "foto_000000000007.jpg");
}

TEST(NewNames, ZeroOrEmptyDigitsGiveOnlyPrefixAndExtension) {
    for (const char* digits : {"0", "", "x"}) {
        const auto result = renameAll(withStart("1", digits), {"a.jpg", "b.gif"});
        EXPECT_EQ(result.names, QStringList({"foto_.jpg", "foto_.gif"})) << digits;
        EXPECT_FALSE(result.renameEnabled);
    }
}

TEST(NewNames, CutNumbersWrapAroundAndKeepRenameEnabled) {
    const auto result = renameAll(withStart("995"), photos(10));
    EXPECT_EQ(numberParts(result, 10),
              QStringList({"995", "996", "997", "998", "999", "000", "001", "002", "003", "004"}));
    EXPECT_TRUE(result.renameEnabled);
}

TEST(NewNames, StartsFromNegativeNonNumericAndBlankFilledStarts) {
    EXPECT_EQ(numberParts(renameAll(withStart("-2"), photos(4)), 4),
              QStringList({"0-2", "0-1", "000", "001"}));
    EXPECT_EQ(numberParts(renameAll(withStart("-1234"), photos(1)), 1), QStringList({"234"}));
    EXPECT_EQ(numberParts(renameAll(withStart("abc"), photos(2)), 2), QStringList({"000", "001"}));
    EXPECT_EQ(numberParts(renameAll(withStart("1 0"), photos(1)), 1), QStringList({"010"}));
}

TEST(NewNames, FractionalAndHugeStartsUseTheWrittenNumberText) {
    EXPECT_EQ(numberParts(renameAll(withStart("1.5"), photos(3)), 3),
              QStringList({"1.5", "2.5", "3.5"}));
    EXPECT_EQ(numberParts(renameAll(withStart("1.5", "5"), photos(1)), 1), QStringList({"001.5"}));
    EXPECT_EQ(numberParts(renameAll(withStart("0.25", "5"), photos(1)), 1), QStringList({"00.25"}));
    // 1e15 and beyond are written with an exponent, and 15 significant digits cannot tell
    // 1e15 from 1e15 + 1: both cut to "+15".
    EXPECT_EQ(numberParts(renameAll(withStart("1e15"), photos(2)), 2), QStringList({"+15", "+15"}));
    EXPECT_EQ(numberParts(renameAll(withStart("1e15", "6"), photos(1)), 1),
              QStringList({"01e+15"}));
}

TEST(NewNames, RejectsUnusableDigitCountsWithoutBuildingHugeTexts) {
    for (const char* digits : {"-1", "-0.6", "256", "1e9", "1e999", "-1e999"}) {
        const auto result = renameAll(withStart("1", digits), {"a.jpg", "b.gif"});
        EXPECT_EQ(result.names, QStringList({"foto_.jpg", "foto_.gif"})) << digits;
        EXPECT_EQ(result.numberedCount, 2);
        EXPECT_FALSE(result.renameEnabled) << digits;
    }
    const auto longest = renameAll(withStart("1", "255"), photos(1));
    EXPECT_EQ(longest.names[0].size(), 5 + 255 + 4);
    EXPECT_TRUE(longest.renameEnabled);
}

TEST(NewNames, InfiniteStartGivesNoNumbersAndNoRename) {
    for (const char* start : {"1e999", "-1e999"}) {
        const auto result = renameAll(withStart(start), {"a.jpg", "b.gif"});
        EXPECT_EQ(result.names, QStringList({"foto_.jpg", "foto_.gif"})) << start;
        EXPECT_FALSE(result.renameEnabled);
    }
}

TEST(NewNames, UsesThePrefixVerbatim) {
    const NamingFields fields{QStringLiteral(" a/b:\u00e9 "), QStringLiteral("1"),
                              QStringLiteral("1")};
    EXPECT_EQ(renameAll(fields, {"x.jpg"}).names[0], " a/b:\u00e9 1.jpg");
}

TEST(Extension, RunsFromTheLastDotWithItsCaseKept) {
    EXPECT_EQ(km::extensionOf(u"photo.final.JPG"), u".JPG");
    EXPECT_EQ(km::extensionOf(u"photo."), u".");
    EXPECT_EQ(km::extensionOf(u"noextension"), u"");
    EXPECT_EQ(renameAll(kDefaults, {"photo.final.JPG", "README"}).names,
              QStringList({"foto_001.JPG", "foto_002"}));
}

TEST(FindLastOf, GivesTheOneBasedPositionOfTheLastOccurrence) {
    EXPECT_EQ(km::findLastOf(u"a.b.c", u"."), 4);
    EXPECT_EQ(km::findLastOf(u"abcabc", u"abc"), 4);
    EXPECT_EQ(km::findLastOf(u"aaa", u"aa"), 2);
    EXPECT_EQ(km::findLastOf(u".abc", u"."), 1);
    EXPECT_EQ(km::findLastOf(u"abc", u"abc"), 1);
    EXPECT_EQ(km::findLastOf(u"abc", u"ABC"), 0);
    EXPECT_EQ(km::findLastOf(u"abc", u"."), 0);
    EXPECT_EQ(km::findLastOf(u"ab", u"abc"), 0);
    EXPECT_EQ(km::findLastOf(u"", u"."), 0);
    // An empty part matches just past the end of the text.
    EXPECT_EQ(km::findLastOf(u"abc", u""), 4);
    EXPECT_EQ(km::findLastOf(u"", u""), 1);
}

TEST(ExampleLine, ShowsThreeNumbersFromTheRoundedStart) {
    EXPECT_EQ(km::exampleLine(kDefaults), "(Example: foto_001, foto_002, foto_003)");
    EXPECT_EQ(km::exampleLine({"", "1", "3"}), "(Example: 001, 002, 003)");
    EXPECT_EQ(km::exampleLine(withStart("1.5")), "(Example: foto_002, foto_003, foto_004)");
    EXPECT_EQ(km::exampleLine(withStart("2.5")), "(Example: foto_002, foto_003, foto_004)");
    EXPECT_EQ(km::exampleLine(withStart("-0.5")), "(Example: foto_000, foto_001, foto_002)");
    EXPECT_EQ(km::exampleLine(withStart("-2")), "(Example: foto_0-2, foto_0-1, foto_000)");
    EXPECT_EQ(km::exampleLine(withStart("998")), "(Example: foto_998, foto_999, foto_000)");
    EXPECT_EQ(km::exampleLine(withStart("1", "0")), "(Example: foto_, foto_, foto_)");
    EXPECT_EQ(km::exampleLine(withStart("1", "1.5")), "(Example: foto_01, foto_02, foto_03)");
    // start + 2 rounds down to 2 here while start rounds up to 1: still three numbers.
    EXPECT_EQ(km::exampleLine(withStart("0.5000000000000001")),
              "(Example: foto_001, foto_002, foto_003)");
}

TEST(ExampleLine, ShowsThePrefixAloneWhenTheNumbersLeaveThe32BitRange) {
    EXPECT_EQ(km::exampleLine(withStart("2147483645", "10")),
              "(Example: foto_2147483645, foto_2147483646, foto_2147483647)");
    EXPECT_EQ(km::exampleLine(withStart("-2147483648", "11")),
              "(Example: foto_-2147483648, foto_-2147483647, foto_-2147483646)");
    for (const char* start : {"2147483646", "-2147483649", "1e15", "1e999", "-1e999"})
        EXPECT_EQ(km::exampleLine(withStart(start)), "(Example: foto_, foto_, foto_)") << start;
    for (const char* digits : {"-1", "256", "1e999"})
        EXPECT_EQ(km::exampleLine(withStart("1", digits)), "(Example: foto_, foto_, foto_)");
    // The list still numbers from such a start.
    EXPECT_EQ(renameAll(withStart("2147483646"), photos(3)).names[2], "foto_648.jpg");
}

TEST(PaddingWidth, AcceptsRoundedWidthsFromZeroTo255) {
    EXPECT_EQ(km::paddingWidth(-0.5), 0);
    EXPECT_EQ(km::paddingWidth(2.5), 2);
    EXPECT_EQ(km::paddingWidth(255.4), 255);
    EXPECT_EQ(km::paddingWidth(255.6), std::nullopt);
    EXPECT_EQ(km::paddingWidth(-0.6), std::nullopt);
    EXPECT_EQ(km::paddingWidth(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(km::paddingWidth(HUGE_VAL), std::nullopt);
}

} // namespace
