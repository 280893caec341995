// SPDX-License-Identifier: MIT
#include "numbers/calendar_time.h"
#include "numbers/clock_offset.h"

#include <gtest/gtest.h>

TEST(ClockOffset, ReadAndWrittenWithinTwoDays) {
    const struct {
        const char16_t* text;
        qint32 seconds;
    } offsets[] = {{u"+01:00:00", 3600},
                   {u"-00:03:12", -192},
                   {u"00:00:30", 30},
                   {u" +48:00:00 ", 172'800},
                   {u"-47:59:59", -172'799}};
    for (const auto& each : offsets) {
        EXPECT_EQ(km::readClockOffset(each.text), each.seconds);
        if (each.seconds != 30 && each.seconds != 172'800) {
            EXPECT_EQ(km::clockOffsetText(each.seconds), QString::fromUtf16(each.text));
        }
    }
    EXPECT_EQ(km::clockOffsetText(0), "+00:00:00");
    for (const char16_t* refused : {u"+48:00:01", u"1:00:00", u"+01:60:00", u"+01:00", u"one hour",
                                    u"", u"++01:00:00", u"+01:00:00:00"})
        EXPECT_FALSE(km::readClockOffset(refused)) << QString::fromUtf16(refused).toStdString();
}

TEST(CalendarTimeText, WrittenAndTyped) {
    const km::CalendarTime time{2024, 7, 1, 9, 0, 5};
    EXPECT_EQ(km::calendarTimeText(time), "2024-07-01 09:00:05");
    EXPECT_EQ(km::readCalendarTimeText(u" 2024-07-01 09:00:05 "), time);
    for (const char16_t* refused : {u"2024-02-30 09:00:00", u"2024-07-01T09:00:00", u"2024-07-01"})
        EXPECT_FALSE(km::readCalendarTimeText(refused));
}
