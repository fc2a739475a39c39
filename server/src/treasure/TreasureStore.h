// Each player's treasure of the day and zodiac cards in the database. Every change of money,
// score, cards or counters happens in one transaction with the row that guards it.
#pragma once

#include "storage/PlayerRecord.h"
#include "storage/Storage.h"
#include "treasure/TreasureOdds.h"

#include <array>
#include <functional>
#include <optional>

namespace server {
class PlayerStore;
}
namespace server::achievements {
class AchievementCounters;
}

namespace server::treasure {

class TreasureStore {
public:
    using Draw = std::function<Treasure()>;

    TreasureStore(Storage& storage, PlayerStore& players, achievements::AchievementCounters& counters);

    struct Offer {
        Treasure treasure;
        bool dug = false;
    };
    // The day's treasure; the first ask of the day draws it and keeps it.
    Offer offer(int playerId, int day, const Draw& draw);

    struct Dug {
        Treasure treasure;
        PlayerRecord player;
    };
    // Digs the day's treasure up and pays it; nothing when it was dug before (or the player is
    // unknown). Only one of any number of racing digs pays.
    std::optional<Dug> dig(int playerId, int day, const Draw& draw);

    // Cards held of kinds 1..12, at index kind - 1.
    std::array<int, kZodiacKinds> cards(int playerId);
    // One card of each kind taken and the set's money paid; nothing without a full set.
    std::optional<PlayerRecord> exchangeSet(int playerId);

private:
    void keepOffer(int playerId, int day, const Draw& draw);

    Storage& m_storage;
    PlayerStore& m_players;
    achievements::AchievementCounters& m_counters;
};

} // namespace server::treasure
