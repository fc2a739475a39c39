// The published odds add up, and draws follow them: every kind turns up about as often as
// published, with values only in their ranges.
#include "treasure/TreasureOdds.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

namespace server::treasure {
namespace {

TEST(TreasureOdds, TheTablesAddUpToAHundredPercent) {
    EXPECT_EQ(std::accumulate(kKindPercent.begin(), kKindPercent.end(), 0), 100);
    EXPECT_EQ(std::accumulate(kKindPercent.begin(), kKindPercent.begin() + kZodiacKinds, 0), 60);
    EXPECT_EQ(kKindPercent[kScoreCarrot - 1], 30);
    EXPECT_EQ(kKindPercent[kGoldCarrot - 1], 10);
    EXPECT_EQ(std::accumulate(kGoldPercent.begin(), kGoldPercent.end(), 0), 100);
}

TEST(TreasureOdds, DrawsFollowTheTableAndStayInRange) {
    std::mt19937 random(20261209);
    constexpr int kDraws = 60000;
    std::map<int, int> kinds;
    std::map<int, int> goldValues;
    int twoCards = 0, zodiac = 0;
    for (int i = 0; i < kDraws; ++i) {
        const Treasure t = TreasureOdds::draw(random);
        ASSERT_GE(t.kind, 1);
        ASSERT_LE(t.kind, 14);
        ++kinds[t.kind];
        if (t.kind == kScoreCarrot) {
            ASSERT_GE(t.value, kScoreMin);
            ASSERT_LE(t.value, kScoreMax);
        } else if (t.kind == kGoldCarrot) {
            ASSERT_GE(t.value, 1);
            ASSERT_LE(t.value, 3);
            ++goldValues[t.value];
        } else {
            ASSERT_TRUE(t.value == 1 || t.value == 2) << t.value;
            ++zodiac;
            twoCards += t.value == 2 ? 1 : 0;
        }
    }
    // Within about four standard deviations of the published share.
    for (int kind = 1; kind <= 14; ++kind) {
        const double share = 100.0 * kinds[kind] / kDraws;
        EXPECT_NEAR(share, kKindPercent[static_cast<std::size_t>(kind - 1)], kind == kScoreCarrot ? 1.0 : 0.5)
            << "kind " << kind;
    }
    EXPECT_NEAR(100.0 * twoCards / zodiac, kTwoCardsPercent, 1.0);
    EXPECT_NEAR(100.0 * goldValues[1] / kinds[kGoldCarrot], kGoldPercent[0], 2.5);
    EXPECT_NEAR(100.0 * goldValues[3] / kinds[kGoldCarrot], kGoldPercent[2], 2.0);
}

} // namespace
} // namespace server::treasure
