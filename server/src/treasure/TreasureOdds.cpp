#include "treasure/TreasureOdds.h"

namespace server::treasure {

namespace {

// The index whose share of `percents` the roll (0..99) lands in.
template <std::size_t N> int pick(const std::array<int, N>& percents, int roll) {
    for (std::size_t i = 0; i < N; ++i) {
        if (roll < percents[i]) {
            return static_cast<int>(i);
        }
        roll -= percents[i];
    }
    return static_cast<int>(N) - 1;
}

} // namespace

Treasure TreasureOdds::draw(std::mt19937& random) {
    std::uniform_int_distribution<int> percent(0, 99);
    Treasure t;
    t.kind = pick(kKindPercent, percent(random)) + 1;
    if (t.kind == kScoreCarrot) {
        t.value = std::uniform_int_distribution<int>(kScoreMin, kScoreMax)(random);
    } else if (t.kind == kGoldCarrot) {
        t.value = pick(kGoldPercent, percent(random)) + 1;
    } else {
        t.value = percent(random) < kTwoCardsPercent ? 2 : 1;
    }
    return t;
}

Treasure TreasureOdds::draw() {
    thread_local std::mt19937 random{std::random_device{}()};
    return draw(random);
}

} // namespace server::treasure
