#include "rewards/LuckyDraw.h"

#include "rewards/RewardRules.h"
#include "storage/PlayerStore.h"

#include <cmath>

namespace server::rewards {

LuckyDraw::LuckyDraw(ServerServices& services, unsigned seed)
    : m_services(services), m_random(seed != 0 ? seed : std::random_device{}()) {
    migrate(m_services.storage);
}

void LuckyDraw::migrate(Storage& storage) {
    storage.migrate("luck", {{1, R"(
        CREATE TABLE luck_draws (
            player_id INTEGER NOT NULL,
            day INTEGER NOT NULL,
            kind INTEGER NOT NULL,
            amount REAL NOT NULL,
            award TEXT NOT NULL,
            PRIMARY KEY (player_id, day)
        );
    )"}});
}

std::size_t LuckyDraw::prizeOf(int roll) {
    int below = 0;
    for (std::size_t i = 0; i < kLuckPrizes.size(); ++i) {
        below += kLuckPrizes[i].percent;
        if (roll < below) {
            return i;
        }
    }
    return kLuckPrizes.size() - 1;
}

double LuckyDraw::multiplier(Storage& storage, int playerId, int day) {
    auto q = storage.query("SELECT amount FROM luck_draws WHERE player_id = ?1 AND day = ?2 AND kind = ?3");
    q->bindAll(playerId, day, static_cast<int>(kLuckMultiplier));
    return q->step() ? q->columnDouble(0) : 1.0;
}

Json::Value LuckyDraw::record(int playerId, int day) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["name"] = kLuckName;
    auto q = m_services.storage.query("SELECT kind, amount, award FROM luck_draws WHERE player_id = ?1 AND day = ?2");
    q->bindAll(playerId, day);
    if (q->step()) {
        answer["issign"] = 1;
        answer["awardtype"] = static_cast<int>(q->columnInt(0));
        answer["awardscore"] = q->columnDouble(1);
        answer["award"] = q->columnText(2);
    } else {
        answer["issign"] = 0;
        answer["awardtype"] = 0;
        answer["awardscore"] = 0;
        answer["award"] = "";
    }
    return answer;
}

RewardReply LuckyDraw::data(int playerId, int day) { return {record(playerId, day), {}}; }

RewardReply LuckyDraw::draw(int playerId, int day) {
    Json::Value refusal(Json::objectValue);
    refusal["response"] = 0;
    refusal["fail"] = 1;
    std::optional<PlayerRecord> player;
    {
        auto tx = m_services.storage.transaction();
        {
            auto seen = m_services.storage.query("SELECT 1 FROM luck_draws WHERE player_id = ?1 AND day = ?2");
            seen->bindAll(playerId, day);
            if (seen->step()) {
                return {refusal, "drew already on " + std::to_string(day)};
            }
        }
        int roll = 0;
        {
            std::lock_guard guard(m_randomLock);
            roll = static_cast<int>(std::uniform_int_distribution<int>(0, 99)(m_random));
        }
        const LuckPrize& prize = kLuckPrizes[prizeOf(roll)];
        auto insert = m_services.storage.query("INSERT INTO luck_draws (player_id, day, kind, amount, award) "
                                               "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT DO NOTHING");
        insert->bindAll(playerId, day, prize.kind, prize.amount, prize.award).run();
        if (insert->changes() != 1) {
            return {refusal, "drew already on " + std::to_string(day)};
        }
        const int carrots = prize.kind == kLuckCarrots ? static_cast<int>(std::lround(prize.amount)) : 0;
        player = m_services.players.addProgress(tx, playerId, {carrots, 0, 0});
        if (!player) {
            refusal["fail"] = 2;
            return {refusal, "no such player"};
        }
        tx.commit();
    }
    Json::Value answer = record(playerId, day);
    answer["score"] = player->score;
    answer["levelupscore"] = player->levelUpScore;
    answer["level"] = player->level;
    answer["money"] = player->money;
    return {answer, {}};
}

} // namespace server::rewards
