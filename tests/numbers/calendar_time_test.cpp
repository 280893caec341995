// SPDX-License-Identifier: MIT
#include "numbers/calendar_time.h"

#include <gtest/gtest.h>

using km::CalendarTime;

// Seconds since 1970 and back, across leap days, centuries and the ends of the years allowed.
TEST(CalendarTime, SecondsSince1970AndBack) {
    const struct {
        CalendarTime time;
        qint64 seconds;
    } known[] = {{{1970, 1, 1, 0, 0, 0}, 0},
                 {{1969, 12, 31, 23, 59, 59}, -1},
                 {{2024, 2, 29, 12, 0, 0}, 1'709'208'000},
                 {{2000, 3, 1, 0, 0, 0}, 951'868'800},
                 {{1904, 1, 1, 0, 0, 0}, -2'082'844'800},
                 {{9999, 12, 31, 23, 59, 59}, 253'402'300'799},
                 {{1, 1, 1, 0, 0, 0}, -62'135'596'800}};
    for (const auto& each : known) {
        EXPECT_EQ(km::secondsSince1970(each.time), each.seconds) << each.seconds;
        EXPECT_EQ(km::calendarTimeAt(each.seconds), each.time) << each.seconds;
    }
    EXPECT_FALSE(km::calendarTimeAt(253'402'300'800));
    EXPECT_FALSE(km::calendarTimeAt(-62'135'596'801));
}
