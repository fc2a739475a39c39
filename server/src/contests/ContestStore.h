// What contests keep in the database: one row per contest (who, what it cost, its result and
// whether it was paid), each player's contests per day and type, and the king.
#pragma once

#include "storage/Storage.h"

#include <cstdint>
#include <vector>

namespace server {
class PlayerStore;
}
namespace server::achievements {
class AchievementCounters;
}

namespace server::contests {

class ContestStore {
public:
    // Creates or migrates its tables. A win is counted for the achievements when it is paid.
    ContestStore(Storage& storage, PlayerStore& players, achievements::AchievementCounters& counters);

    // The questions a contest may ask: text choices, whose screens need no key.
    std::vector<int> choiceQuestionIds();

    int playedOn(int playerId, int day, int type);

    // Starting a contest: for each counted side the day's count is checked and raised, and a paid
    // one takes its cost, all in one transaction with the contest's row.
    struct Side {
        int playerId = 0;
        bool counted = true; // the king defends without using a contest of his own
    };
    enum class Start { Started, NoneLeft, NoMoney };
    struct Started {
        Start result = Start::NoneLeft;
        int refusedPlayer = 0; // the side that was short of contests or money
        std::int64_t contestId = 0;
    };
    Started start(const Side& a, const Side& b, int type, int day, std::int64_t nowMs);

    // One side's result as paid.
    struct Outcome {
        int playerId = 0;
        int right = 0;
        int wrong = 0;
        int tenths = 0; // total time in tenths of a second
        int points = 0;
        int money = 0;
        int win = 0; // 1 won, 0 lost, 2 tied
    };
    // Stores the result, pays score and money to both and, for a challenge, sets the king, in one
    // transaction. False (and nothing changed) when the contest was paid before or is unknown.
    bool settle(std::int64_t contestId, const Outcome& a, const Outcome& b, bool fled, int newKing);

    // The winner of the last challenge; before the first one, the registered player with the
    // highest week score; 0 when there is nobody.
    int king();
    // Percent of the player's finished contests won.
    int winPercent(int playerId);

private:
    Storage& m_storage;
    PlayerStore& m_players;
    achievements::AchievementCounters& m_counters;
};

} // namespace server::contests
