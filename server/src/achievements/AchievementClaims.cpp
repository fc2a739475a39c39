#include "achievements/AchievementClaims.h"

namespace server::achievements {

std::set<int> AchievementClaims::claimed(int playerId) {
    std::set<int> ids;
    auto q = m_storage.query("SELECT achievement FROM achievement_claims WHERE player = ?1");
    q->bind(1, playerId);
    while (q->step()) {
        ids.insert(static_cast<int>(q->columnInt(0)));
    }
    return ids;
}

bool AchievementClaims::claim(Storage::Transaction&, int playerId, int achievementId, int score, std::int64_t nowMs) {
    auto q = m_storage.query("INSERT INTO achievement_claims (player, achievement, score, claimed) "
                             "VALUES (?1, ?2, ?3, ?4) ON CONFLICT DO NOTHING");
    q->bindAll(playerId, achievementId, score, nowMs).run();
    return q->changes() == 1;
}

} // namespace server::achievements
