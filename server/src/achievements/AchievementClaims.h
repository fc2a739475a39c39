// Which achievement prizes a player took. The row is the guard: its primary key lets one claim
// in, however many requests race for it.
#pragma once

#include "storage/Storage.h"

#include <cstdint>
#include <set>

namespace server::achievements {

class AchievementClaims {
public:
    explicit AchievementClaims(Storage& storage) : m_storage(storage) {} // tables: AchievementCounters

    std::set<int> claimed(int playerId);
    // false when it was taken before; inside the transaction that pays it.
    bool claim(Storage::Transaction& within, int playerId, int achievementId, int score, std::int64_t nowMs);

private:
    Storage& m_storage;
};

} // namespace server::achievements
