// What the player has done so far, counted for the achievements: one number per player and
// counter, raised in the transaction of the deed that earned it.
#pragma once

#include "storage/Storage.h"

namespace server::achievements {

enum class Counter { Answers = 1, RightAnswers = 2, RightRun = 3, SignStreak = 4, ContestWins = 5, Cards = 6, Treasures = 7, Sets = 8 };

class AchievementCounters {
public:
    explicit AchievementCounters(Storage& storage); // creates or migrates its tables

    // Inside the caller's open transaction, so the count commits with what caused it.
    void add(Storage::Transaction& within, int playerId, Counter counter, int amount);
    void raiseTo(Storage::Transaction& within, int playerId, Counter counter, int value); // keeps the larger
    int value(int playerId, Counter counter);

    // One ordinary answer: Answers, RightAnswers and the run of right answers in a row (RightRun
    // keeps the best run; a wrong answer or a time-out starts the current one again).
    void answered(Storage::Transaction& within, int playerId, bool right);

private:
    Storage& m_storage;
};

} // namespace server::achievements
