// SPDX-License-Identifier: MIT
#include "naming/naming.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using km::NamingFields;

const NamingFields kDefaults{"foto_", "1", "3"};

NamingFields fields(const QString& start, const QString& digits = "3") {
    return {"foto_", start, digits};
}

QStringList photos(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("IMG_%1.jpg").arg(i));
    return names;
}

km::NewNames renameAll(const NamingFields& naming, const QStringList& originals) {
    return km::computeNewNames(naming, true, originals, {});
}

km::NewNames renameSelected(const QStringList& originals, const std::set<int>& selected) {
    return km::computeNewNames(kDefaults, false, originals,
                               [&](int row0) { return selected.count(row0) > 0; });
}

// The number parts of count rows renamed from start: "foto_" and ".jpg" stripped.
QStringList numberParts(const QString& start, int count, const QString& digits = "3") {
    QStringList parts = renameAll(fields(start, digits), photos(count)).names;
    for (QString& part : parts)
        part = part.mid(5).chopped(4);
    return parts;
}

TEST(NewNames, NumbersAllRowsOrOnlySelectedOnesCountingNumberedRowsOnly) {
    const QStringList originals{"a.jpg", "b.JPG", "c.gif"};
    const auto all = renameAll(kDefaults, originals);
    EXPECT_EQ(all.names, QStringList({"foto_001.jpg", "foto_002.JPG", "foto_003.gif"}));
    EXPECT_EQ(all.numberedCount, 3);
    EXPECT_TRUE(all.renameEnabled);

    EXPECT_EQ(renameSelected(originals, {1}).names, QStringList({"", "foto_001.JPG", ""}));
    EXPECT_EQ(renameSelected(originals, {0, 2}).names,
              QStringList({"foto_001.jpg", "", "foto_002.gif"}));
    const auto none = renameSelected(originals, {});
    EXPECT_EQ(none.names, QStringList({"", "", ""}));
    EXPECT_EQ(none.numberedCount, 0);
    EXPECT_FALSE(none.renameEnabled);
}

TEST(NewNames, AsksForTheSelectionOnlyInSelectedModeInRowOrder) {
    std::vector<int> asked;
    const auto record = [&](int row0) {
        return asked.push_back(row0), false;
    };
    km::computeNewNames(kDefaults, true, photos(3), record);
    EXPECT_TRUE(asked.empty());
    km::computeNewNames(kDefaults, false, photos(3), record);
    EXPECT_EQ(asked, std::vector<int>({0, 1, 2}));
    // Without a way to ask, no row counts as selected.
    EXPECT_EQ(km::computeNewNames(kDefaults, false, photos(2), {}).numberedCount, 0);
}

TEST(NewNames, EnablesRenameWhileTheNumberedCountFitsTheUnroundedDigitCount) {
    struct Case {
        const char* digits;
        int rows;
        bool enabled;
    };
    for (const Case& c : {Case{"1", 9, true}, Case{"1", 10, false}, Case{"2", 99, true},
                          Case{"2", 100, false}, Case{"3", 999, true}, Case{"3", 1000, false},
                          Case{"2.5", 316, true}, Case{"2.5", 317, false}, Case{"0", 1, false},
                          Case{"", 1, false}, Case{"0.3", 1, true}, Case{"255.4", 1, true}}) {
        EXPECT_EQ(renameAll(fields("1", c.digits), photos(c.rows)).renameEnabled, c.enabled)
            << c.digits << " digits, " << c.rows << " rows";
    }
}

TEST(NewNames, PadsAndCutsToTheRoundedDigitCount) {
    EXPECT_EQ(numberParts("1", 1, "2.5"), QStringList({"01"}));
    EXPECT_EQ(numberParts("1", 1, "3.5"), QStringList({"0001"}));
    EXPECT_EQ(numberParts("1234", 1), QStringList({"234"}));
    EXPECT_EQ(numberParts("995", 10),
              QStringList({"995", "996", "997", "998", "999", "000", "001", "002", "003", "004"}));
    EXPECT_TRUE(renameAll(fields("995"), photos(10)).renameEnabled);
    for (const char* digits : {"0", "", "x"}) {
        EXPECT_EQ(renameAll(fields("1", digits), {"a.jpg", "b.gif"}).names,
                  QStringList({"foto_.jpg", "foto_.gif"}));
    }
}

TEST(NewNames, ReadsStartsThatAreNegativeNotNumbersOrHoldBlanks) {
    EXPECT_EQ(numberParts("-2", 4), QStringList({"0-2", "0-1", "000", "001"}));
    EXPECT_EQ(numberParts("abc", 2), QStringList({"000", "001"}));
    EXPECT_EQ(numberParts("1 0", 1), QStringList({"010"}));
}

TEST(NewNames, WritesFractionalAndHugeNumbersAsTheNumberTextHasThem) {
    EXPECT_EQ(numberParts("1.5", 3), QStringList({"1.5", "2.5", "3.5"}));
    EXPECT_EQ(numberParts("0.25", 1, "5"), QStringList({"00.25"}));
    // From 1e15 on the text has an exponent, and 15 significant digits cannot tell 1e15 + 1 apart.
    EXPECT_EQ(numberParts("1e15", 2, "6"), QStringList({"01e+15", "01e+15"}));
}

TEST(NewNames, UnusableDigitCountOrInfiniteStartGivesNoNumbersAndNoRename) {
    for (const NamingFields& naming :
         {fields("1", "-1"), fields("1", "-0.6"), fields("1", "255.6"), fields("1", "1e9"),
          fields("1", "1e999"), fields("1e999"), fields("-1e999")}) {
        const auto result = renameAll(naming, {"a.jpg", "b.gif"});
        EXPECT_EQ(result.names, QStringList({"foto_.jpg", "foto_.gif"}))
            << naming.start.toStdString() << " " << naming.digits.toStdString();
        EXPECT_EQ(result.numberedCount, 2);
        EXPECT_FALSE(result.renameEnabled);
    }
    EXPECT_EQ(renameAll(fields("1", "255"), photos(1)).names[0].size(), 5 + 255 + 4);
}

TEST(Extension, RunsFromTheLastDotWithItsCaseKept) {
    EXPECT_EQ(renameAll(kDefaults, {"photo.final.JPG", "README", "end."}).names,
              QStringList({"foto_001.JPG", "foto_002", "foto_003."}));
}

TEST(FindLastOf, GivesTheOneBasedPositionOfTheLastCaseSensitiveMatch) {
    EXPECT_EQ(km::findLastOf(u"a.b.c", u"."), 4);
    EXPECT_EQ(km::findLastOf(u"aaa", u"aa"), 2);
    EXPECT_EQ(km::findLastOf(u"abc", u"abc"), 1);
    EXPECT_EQ(km::findLastOf(u"abc", u"ABC"), 0);
    EXPECT_EQ(km::findLastOf(u"ab", u"abc"), 0);
    EXPECT_EQ(km::findLastOf(u"", u"."), 0);
    // An empty part matches just past the end of the text.
    EXPECT_EQ(km::findLastOf(u"abc", u""), 4);
}

TEST(ExampleLine, ShowsThreeNumbersFromTheRoundedStart) {
    EXPECT_EQ(km::exampleLine(kDefaults), "(Example: foto_001, foto_002, foto_003)");
    EXPECT_EQ(km::exampleLine({"", "1", "3"}), "(Example: 001, 002, 003)");
    EXPECT_EQ(km::exampleLine(fields("1.5")), "(Example: foto_002, foto_003, foto_004)");
    EXPECT_EQ(km::exampleLine(fields("2.5")), "(Example: foto_002, foto_003, foto_004)");
    EXPECT_EQ(km::exampleLine(fields("-2")), "(Example: foto_0-2, foto_0-1, foto_000)");
    EXPECT_EQ(km::exampleLine(fields("998")), "(Example: foto_998, foto_999, foto_000)");
    EXPECT_EQ(km::exampleLine(fields("1", "0")), "(Example: foto_, foto_, foto_)");
    EXPECT_EQ(km::exampleLine(fields("1", "1.5")), "(Example: foto_01, foto_02, foto_03)");
    // start + 2 rounds down to 2 here while start rounds up to 1: still three numbers.
    EXPECT_EQ(km::exampleLine(fields("0.5000000000000001")),
              "(Example: foto_001, foto_002, foto_003)");
}

TEST(ExampleLine, ShowsThePrefixAloneWhenTheNumbersLeaveThe32BitRange) {
    EXPECT_EQ(km::exampleLine(fields("2147483645", "10")),
              "(Example: foto_2147483645, foto_2147483646, foto_2147483647)");
    EXPECT_EQ(km::exampleLine(fields("-2147483648", "11")),
              "(Example: foto_-2147483648, foto_-2147483647, foto_-2147483646)");
    for (const NamingFields& naming : {fields("2147483646"), fields("-2147483649"), fields("1e15"),
                                       fields("1e999"), fields("1", "-1"), fields("1", "256")})
        EXPECT_EQ(km::exampleLine(naming), "(Example: foto_, foto_, foto_)");
    // The list still numbers from such a start.
    EXPECT_EQ(numberParts("2147483646", 3), QStringList({"646", "647", "648"}));
}

} // namespace
