#include "referrals/DayNumbers.h"

#include <gtest/gtest.h>

namespace server::referrals {
namespace {

TEST(DayNumbers, DaysCrossMonthsYearsAndLeapDays) {
    EXPECT_EQ(DayNumbers::toSerial(19700101), 0);
    EXPECT_EQ(DayNumbers::fromSerial(0), 19700101);
    EXPECT_EQ(DayNumbers::addDays(20261209, -6), 20261203);
    EXPECT_EQ(DayNumbers::addDays(20270103, -6), 20261228);
    EXPECT_EQ(DayNumbers::addDays(20280301, -1), 20280229);
    EXPECT_EQ(DayNumbers::addDays(20270301, -1), 20270228);
    for (int day : {20000229, 20261231, 21000301, 19991231}) {
        EXPECT_EQ(DayNumbers::fromSerial(DayNumbers::toSerial(day)), day);
    }
}

TEST(DayNumbers, WeeksStartOnMonday) {
    EXPECT_EQ(DayNumbers::weekStart(20261209), 20261207); // a Wednesday
    EXPECT_EQ(DayNumbers::weekStart(20261207), 20261207);
    EXPECT_EQ(DayNumbers::weekStart(20261213), 20261207); // Sunday ends the week
    EXPECT_EQ(DayNumbers::weekStart(20270101), 20261228); // across the new year
}

TEST(DayNumbers, DateTextOfSeconds) {
    EXPECT_EQ(DayNumbers::dateText(1700000000), "2023-11-14");
    EXPECT_EQ(DayNumbers::dateText(0), "");
    EXPECT_EQ(DayNumbers::dateText(-5), "");
    EXPECT_EQ(DayNumbers::dateText(86399), "1970-01-01");
}

} // namespace
} // namespace server::referrals
