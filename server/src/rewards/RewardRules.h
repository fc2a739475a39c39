// The numbers of the daily rewards. server/README.md ("Sign-in, lucky draw and the weekly
// ranking") publishes them; change both together.
#pragma once

#include <array>

namespace server::rewards {

struct SignReward {
    int score = 0;
    int money = 0;
};

// What day `streakDay` (1 for the first) of an unbroken run of sign-ins pays: the score grows by
// 5 a day up to 40 on the seventh, a golden carrot every day and 5 more on each seventh day.
constexpr SignReward signReward(int streakDay) {
    const int day = streakDay < 1 ? 1 : streakDay;
    const int capped = day > 7 ? 7 : day;
    return {10 + 5 * (capped - 1), 1 + (day % 7 == 0 ? 5 : 0)};
}

enum LuckKind { kLuckCarrots = 0, kLuckMultiplier = 1 };

struct LuckPrize {
    int percent;   // chance of this prize, out of 100
    int kind;      // LuckKind
    double amount; // carrots paid as score, or the factor of today's answer score
    const char* award;
};

inline constexpr const char* kLuckName = "每日幸运抽奖";

inline constexpr std::array<LuckPrize, 6> kLuckPrizes{{
    {40, kLuckCarrots, 5, "5个胡萝卜"},
    {25, kLuckCarrots, 10, "10个胡萝卜"},
    {10, kLuckCarrots, 20, "20个胡萝卜"},
    {3, kLuckCarrots, 50, "50个胡萝卜"},
    {15, kLuckMultiplier, 1.5, "今日答题积分1.5倍"},
    {7, kLuckMultiplier, 2.0, "今日答题积分2倍"},
}};

// Golden carrots for last week's places 1, 2, 3 and 4 to 10.
constexpr int weeklyPrize(int rank) {
    if (rank == 1) return 100;
    if (rank == 2) return 60;
    if (rank == 3) return 40;
    if (rank >= 4 && rank <= 10) return 10;
    return 0;
}

inline constexpr int kRankListSize = 50;

} // namespace server::rewards
