// What a day's treasure can be, and how often. The numbers are published in server/README.md
// ("Achievements, treasure and cards"); change both together.
#pragma once

#include <array>
#include <random>

namespace server::treasure {

constexpr int kZodiacKinds = 12; // kinds 1..12, one card kind per zodiac animal
constexpr int kScoreCarrot = 13; // value: score
constexpr int kGoldCarrot = 14;  // value: money
constexpr int kSetRewardMoney = 30;

// Percent chance of each kind; kind k at index k - 1. The zodiac kinds share 60 % evenly.
inline constexpr std::array<int, 14> kKindPercent{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 30, 10};
constexpr int kTwoCardsPercent = 20; // a zodiac treasure holds two cards instead of one
constexpr int kScoreMin = 5;         // score carrots: evenly from kScoreMin to kScoreMax
constexpr int kScoreMax = 20;
inline constexpr std::array<int, 3> kGoldPercent{60, 30, 10}; // golden carrots: 1, 2 or 3

struct Treasure {
    int kind = 0;
    int value = 0;
};

class TreasureOdds {
public:
    static Treasure draw(std::mt19937& random);
    // A draw from a generator of this thread.
    static Treasure draw();
};

} // namespace server::treasure
