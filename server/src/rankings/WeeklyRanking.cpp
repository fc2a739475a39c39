#include "rankings/WeeklyRanking.h"

#include "app/Log.h"
#include "referrals/DayNumbers.h"
#include "rewards/RewardRules.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"

#include <string>
#include <utility>
#include <vector>

namespace server::rankings {

using referrals::DayNumbers;

namespace {

// Ties go to the player who has been with us longer: a stable order the players can check.
constexpr const char* kOrder = "weekscore DESC, id ASC";

} // namespace

WeeklyRanking::WeeklyRanking(ServerServices& services) : m_services(services) {
    m_services.storage.migrate("weekly", {{1, R"(
        CREATE TABLE weekly_state (
            id INTEGER PRIMARY KEY CHECK (id = 1),
            week INTEGER NOT NULL
        );
        CREATE TABLE weekly_results (
            week INTEGER NOT NULL,
            player_id INTEGER NOT NULL,
            rank INTEGER NOT NULL,
            score INTEGER NOT NULL,
            prize INTEGER NOT NULL,
            PRIMARY KEY (week, player_id)
        );
    )"}});
}

int WeeklyRanking::currentWeek() {
    auto q = m_services.storage.query("SELECT week FROM weekly_state WHERE id = 1");
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

bool WeeklyRanking::rollOver(int day) {
    const int week = DayNumbers::weekStart(day);
    if (currentWeek() >= week) {
        return false; // the common case, without taking the write lock
    }
    auto tx = m_services.storage.transaction();
    const int stored = currentWeek();
    if (stored >= week) {
        return false;
    }
    if (stored != 0) {
        close(stored);
    }
    auto q = m_services.storage.query("INSERT INTO weekly_state (id, week) VALUES (1, ?1) ON CONFLICT (id) "
                                      "DO UPDATE SET week = excluded.week");
    q->bindAll(week).run();
    tx.commit();
    if (stored != 0) {
        Log::info("weekly ranking: the week of " + std::to_string(stored) + " closed, the week of " +
                  std::to_string(week) + " begins");
    }
    return true;
}

void WeeklyRanking::close(int week) {
    std::vector<std::pair<int, int>> ranked; // player, score
    {
        auto q = m_services.storage.query(std::string("SELECT id, weekscore FROM players WHERE guest = 0 AND weekscore > 0 "
                                                      "ORDER BY ") + kOrder);
        while (q->step()) {
            ranked.emplace_back(static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1)));
        }
    }
    {
        auto reset = m_services.storage.query("UPDATE players SET lastrank = 0, rankprizemoney = 0");
        reset->run();
    }
    int rank = 0;
    for (const auto& [player, score] : ranked) {
        const int place = ++rank;
        const int prize = rewards::weeklyPrize(place);
        {
            auto keep = m_services.storage.query(
                "INSERT INTO weekly_results (week, player_id, rank, score, prize) VALUES (?1, ?2, ?3, ?4, "
                "?5) "
                "ON CONFLICT (week, player_id) DO UPDATE SET rank = excluded.rank, score = excluded.score, "
                "prize = excluded.prize");
            keep->bindAll(week, player, place, score, prize).run();
        }
        {
            auto mark = m_services.storage.query("UPDATE players SET lastrank = ?2, rankprizemoney = ?3 WHERE id = ?1");
            mark->bindAll(player, place, prize).run();
        }
        if (prize > 0) {
            // Within the closing transaction: the prize and the place it pays for commit together.
            auto pay = m_services.storage.query("UPDATE players SET money = money + ?2 WHERE id = ?1");
            pay->bindAll(player, prize).run();
        }
    }
    // Guests earn weekscore too but are never listed; their week's score is kept for their own panel.
    {
        auto guests = m_services.storage.query(
            "INSERT INTO weekly_results (week, player_id, rank, score, prize) "
            "SELECT ?1, id, 0, weekscore, 0 FROM players WHERE guest = 1 AND weekscore > 0 "
            "ON CONFLICT (week, player_id) DO UPDATE SET rank = 0, score = excluded.score, prize = 0");
        guests->bindAll(week).run();
    }
    auto clear = m_services.storage.query("UPDATE players SET weekscore = 0 WHERE weekscore <> 0");
    clear->run();
}

Json::Value WeeklyRanking::page(int playerId, int day) {
    rollOver(day);
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    Json::Value list(Json::arrayValue);
    {
        auto q = m_services.storage.query(std::string("SELECT id, weekscore, username, nickname FROM players "
                                                      "WHERE guest = 0 AND weekscore > 0 ORDER BY ") +
                                          kOrder + " LIMIT ?1");
        q->bindAll(rewards::kRankListSize);
        int rank = 0;
        while (q->step()) {
            Json::Value row(Json::objectValue);
            row["rank"] = ++rank;
            row["score"] = static_cast<int>(q->columnInt(1));
            row["tel"] = q->columnText(2);
            std::string name = q->columnText(3);
            row["name"] = name.empty() ? "玩家" + std::to_string(q->columnInt(0)) : name;
            list.append(row);
        }
    }
    int myRank = 0;
    int myScore = 0;
    {
        auto me = m_services.storage.query("SELECT weekscore, guest FROM players WHERE id = ?1");
        me->bindAll(playerId);
        if (me->step()) {
            myScore = static_cast<int>(me->columnInt(0));
            const bool guest = me->columnInt(1) != 0;
            if (!guest && myScore > 0) {
                auto ahead = m_services.storage.query(
                    "SELECT COUNT(*) FROM players WHERE guest = 0 AND (weekscore > ?1 OR (weekscore = ?1 AND id < ?2))");
                ahead->bindAll(myScore, playerId);
                myRank = ahead->step() ? static_cast<int>(ahead->columnInt(0)) + 1 : 0;
            }
        }
    }
    int lastScore = 0;
    {
        auto last = m_services.storage.query("SELECT score FROM weekly_results WHERE week = ?1 AND player_id = ?2");
        last->bindAll(DayNumbers::addDays(DayNumbers::weekStart(day), -7), playerId);
        if (last->step()) {
            lastScore = static_cast<int>(last->columnInt(0));
        }
    }
    answer["myrank"] = myRank;
    answer["myscore"] = lastScore;
    answer["curweekscore"] = myScore;
    answer["ranklist"] = list;
    return answer;
}

} // namespace server::rankings
