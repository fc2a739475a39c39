#include "accounts/SessionTable.h"

#include <gtest/gtest.h>

#include <set>

namespace server {
namespace {

SessionTable::Clock::time_point g_now;
SessionTable::Clock::time_point fakeNow() { return g_now; }

TEST(SessionTable, SessionsMatchTheirPlayerAndExpireWhenIdle) {
    g_now = SessionTable::Clock::time_point{} + std::chrono::hours(1000);
    SessionTable table(std::chrono::seconds(60));
    table.setClockForTesting(&fakeNow);
    const std::string a = table.open(10001);
    const std::string b = table.open(10002);
    EXPECT_EQ(a.size(), 32u);
    EXPECT_NE(a, b);
    EXPECT_EQ(table.check(a, 10001), 10001);
    EXPECT_FALSE(table.check(a, 10002)) << "a session belongs to one player";
    EXPECT_FALSE(table.check("", 10001));
    EXPECT_FALSE(table.check(std::string(32, 'g'), 10001));

    // Use keeps a session alive; idleness past the lifetime ends it.
    g_now += std::chrono::seconds(50);
    EXPECT_TRUE(table.check(a, 10001));
    g_now += std::chrono::seconds(50);
    EXPECT_TRUE(table.check(a, 10001));
    EXPECT_FALSE(table.check(b, 10002));
    EXPECT_EQ(table.size(), 1u);

    // A new login of the same player replaces the old session.
    const std::string a2 = table.open(10001);
    EXPECT_FALSE(table.check(a, 10001));
    EXPECT_TRUE(table.check(a2, 10001));
    g_now += std::chrono::seconds(61);
    EXPECT_EQ(table.sweep(), 1u);
    EXPECT_EQ(table.size(), 0u);
}

TEST(SessionTable, IdsAreDistinctAndLowerCaseHex) {
    SessionTable table(std::chrono::seconds(60));
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::string id = table.open(i);
        EXPECT_EQ(id.find_first_not_of("0123456789abcdef"), std::string::npos);
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 1000u);
}

TEST(SessionTable, OnlineTimeCountsShortGapsBetweenRequestsAndKeepsFractions) {
    g_now = SessionTable::Clock::time_point{} + std::chrono::hours(2000);
    SessionTable table(std::chrono::hours(2));
    table.setClockForTesting(&fakeNow);
    const std::string a = table.open(10001);
    const std::string b = table.open(10002);
    g_now += std::chrono::milliseconds(20'500);
    EXPECT_TRUE(table.check(a, 10001));
    EXPECT_FALSE(table.check(b, 10001)) << "a refused request counts nothing";
    g_now += std::chrono::milliseconds(20'500);
    EXPECT_TRUE(table.check(a, 10001));
    g_now += SessionTable::kOnlineGap + std::chrono::seconds(1); // the client was gone
    EXPECT_TRUE(table.check(a, 10001));
    EXPECT_TRUE(table.check(b, 10002));
    auto taken = table.takeOnlineSeconds();
    EXPECT_EQ(taken.size(), 1u) << "b's only gap was too long";
    EXPECT_EQ(taken[10001], 41);
    EXPECT_TRUE(table.takeOnlineSeconds().empty()) << "handed out once";

    // Half seconds add up across calls instead of being dropped.
    g_now += std::chrono::milliseconds(500);
    EXPECT_TRUE(table.check(a, 10001));
    EXPECT_TRUE(table.takeOnlineSeconds().empty());
    g_now += std::chrono::milliseconds(500);
    EXPECT_TRUE(table.check(a, 10001));
    EXPECT_EQ(table.takeOnlineSeconds()[10001], 1);
}

} // namespace
} // namespace server
