#include "referrals/ReferralStore.h"

#include "app/Log.h"
#include "referrals/ReferralRules.h"
#include "storage/PlayerStore.h"

namespace server::referrals {

ReferralStore::ReferralStore(Storage& storage, PlayerStore& players) : m_storage(storage), m_players(players) {
    m_storage.migrate("referrals", {{1, R"(
        CREATE TABLE referral_rewards (
            player INTEGER PRIMARY KEY,
            referrer INTEGER NOT NULL,
            amount INTEGER NOT NULL,
            day INTEGER NOT NULL
        );
        CREATE INDEX referral_rewards_referrer ON referral_rewards (referrer, day);
        CREATE TABLE player_days (
            player INTEGER NOT NULL,
            day INTEGER NOT NULL,
            online INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (player, day)
        );
        CREATE INDEX players_referrer ON players (referrer);
    )"}});
}

int ReferralStore::payAnswerReward(Storage::Transaction& within, const PlayerRecord& player, int day) {
    if (player.guest || player.referrerId == 0 || player.answerCount < kRewardAnswers) {
        return 0;
    }
    const auto referrer = m_players.find(player.referrerId);
    if (!referrer) {
        return 0;
    }
    {
        auto q = m_storage.query("INSERT INTO referral_rewards (player, referrer, amount, day) "
                                 "VALUES (?1, ?2, ?3, ?4) ON CONFLICT DO NOTHING");
        q->bindAll(player.id, player.referrerId, kRewardMoney, day).run();
        if (q->changes() == 0) {
            return 0; // paid before
        }
    }
    m_players.addProgress(within, player.referrerId, PlayerProgress{0, kRewardMoney, 0});
    Log::info("referral reward: player " + std::to_string(player.referrerId) + " earned " +
              std::to_string(kRewardMoney) + " money for player " + std::to_string(player.id) + "'s answer " +
              std::to_string(player.answerCount));
    return kRewardMoney;
}

void ReferralStore::noteLoginDay(int playerId, int day) {
    auto q = m_storage.query("INSERT INTO player_days (player, day) VALUES (?1, ?2) ON CONFLICT DO NOTHING");
    q->bindAll(playerId, day).run();
}

void ReferralStore::addOnlineSeconds(const std::unordered_map<int, std::int64_t>& seconds, int day) {
    if (seconds.empty()) {
        return;
    }
    auto tx = m_storage.transaction();
    for (const auto& [player, added] : seconds) {
        auto q = m_storage.query(
            "INSERT INTO player_days (player, day, online) VALUES (?1, ?2, ?3) "
            "ON CONFLICT (player, day) DO UPDATE SET online = player_days.online + excluded.online");
        q->bindAll(player, day, added).run();
    }
    tx.commit();
}

} // namespace server::referrals
