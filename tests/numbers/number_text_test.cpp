// SPDX-License-Identifier: MIT
#include "numbers/number_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(ReadNumber, TakesTheLongestLeadingDecimalNumber) {
    EXPECT_EQ(km::readNumber(u"12abc"), 12.0);
    EXPECT_EQ(km::readNumber(u"-3"), -3.0);
    EXPECT_EQ(km::readNumber(u"+7"), 7.0);
    EXPECT_EQ(km::readNumber(u"2.5"), 2.5);
    EXPECT_EQ(km::readNumber(u".5"), 0.5);
    EXPECT_EQ(km::readNumber(u"5."), 5.0);
    EXPECT_EQ(km::readNumber(u"1e3x"), 1000.0);
    EXPECT_EQ(km::readNumber(u"1E+2"), 100.0);
    EXPECT_EQ(km::readNumber(u"2e"), 2.0);
    EXPECT_EQ(km::readNumber(u"3e-"), 3.0);
    EXPECT_EQ(km::readNumber(u"1.2.3"), 1.2);
}

TEST(ReadNumber, DropsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(km::readNumber(u"1 000"), 1000.0);
    EXPECT_EQ(km::readNumber(u" \t1\n0"), 10.0);
    EXPECT_EQ(km::readNumber(u"- 4"), -4.0);
    // A carriage return is not dropped: it ends the number.
    EXPECT_EQ(km::readNumber(u"1\r2"), 1.0);
}

TEST(ReadNumber, GivesZeroWhenThereIsNoNumber) {
    EXPECT_EQ(km::readNumber(u"x7"), 0.0);
    EXPECT_EQ(km::readNumber(u""), 0.0);
    EXPECT_EQ(km::readNumber(u"-"), 0.0);
    EXPECT_EQ(km::readNumber(u"."), 0.0);
    EXPECT_EQ(km::readNumber(u"\u0661"), 0.0); // Arabic-Indic digit one is not a decimal digit here
}

TEST(ReadNumber, OverflowGivesInfinityAndUnderflowZero) {
    EXPECT_TRUE(std::isinf(km::readNumber(u"1e999")));
    EXPECT_LT(km::readNumber(u"-1e999"), 0.0);
    EXPECT_EQ(km::readNumber(u"1e-999"), 0.0);
    EXPECT_EQ(km::readNumber(u"-1e-999"), 0.0);
    EXPECT_EQ(km::readNumber(QString("0.") + QString(400, '0') + "1"), 0.0);
    EXPECT_TRUE(std::isinf(km::readNumber(QString("1") + QString(400, '0'))));
    EXPECT_TRUE(std::isinf(km::readNumber(u"0.001e400")));
    EXPECT_EQ(km::readNumber(u"1000e-400"), 0.0);
}

TEST(WriteNumber, WritesWholeValuesAsPlainDigits) {
    EXPECT_EQ(km::writeNumber(0.0), "0");
    EXPECT_EQ(km::writeNumber(-0.0), "0");
    EXPECT_EQ(km::writeNumber(7.0), "7");
    EXPECT_EQ(km::writeNumber(-12.0), "-12");
    EXPECT_EQ(km::writeNumber(999999999999999.0), "999999999999999");
}

TEST(WriteNumber, WritesFractionsAndHugeValuesWithFifteenSignificantDigits) {
    EXPECT_EQ(km::writeNumber(2.5), "2.5");
    EXPECT_EQ(km::writeNumber(-0.25), "-0.25");
    EXPECT_EQ(km::writeNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(km::writeNumber(1e15), "1e+15");
    EXPECT_EQ(km::writeNumber(1.5e-7), "1.5e-07");
    EXPECT_EQ(km::writeNumber(HUGE_VAL), "0");
}

} // namespace
