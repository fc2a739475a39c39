// Levels follow the total score: level L lasts until the score reaches 100 * (L+1) * (L+2) / 2
// (100, 300, 600, 1000, ...), which is what "levelupscore" reports.
#pragma once

namespace server {

class LevelRule {
public:
    static int levelForScore(int score);
    static int levelUpScore(int level);
};

} // namespace server
