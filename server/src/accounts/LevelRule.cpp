#include "accounts/LevelRule.h"

#include <cstdint>

namespace server {

namespace {
constexpr int kTopLevel = 200; // past this the thresholds would overflow nothing, but levels stop
}

int LevelRule::levelUpScore(int level) {
    if (level < 0) {
        level = 0;
    }
    const std::int64_t next = level + 1;
    return static_cast<int>(100 * next * (next + 1) / 2);
}

int LevelRule::levelForScore(int score) {
    int level = 0;
    while (level < kTopLevel && score >= levelUpScore(level)) {
        ++level;
    }
    return level;
}

} // namespace server
