#include "contests/ContestStore.h"

#include "achievements/AchievementCounters.h"
#include "contests/ContestRules.h"
#include "storage/PlayerStore.h"

namespace server::contests {

ContestStore::ContestStore(Storage& storage, PlayerStore& players, achievements::AchievementCounters& counters)
    : m_storage(storage), m_players(players), m_counters(counters) {
    m_storage.migrate("contests", {{1, R"(
        CREATE TABLE contests (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            matchtype INTEGER NOT NULL,
            day INTEGER NOT NULL,
            started INTEGER NOT NULL,
            player1 INTEGER NOT NULL,
            player2 INTEGER NOT NULL,
            cost1 INTEGER NOT NULL DEFAULT 0,
            cost2 INTEGER NOT NULL DEFAULT 0,
            paid INTEGER NOT NULL DEFAULT 0,
            fled INTEGER NOT NULL DEFAULT 0,
            right1 INTEGER NOT NULL DEFAULT 0, right2 INTEGER NOT NULL DEFAULT 0,
            wrong1 INTEGER NOT NULL DEFAULT 0, wrong2 INTEGER NOT NULL DEFAULT 0,
            tenths1 INTEGER NOT NULL DEFAULT 0, tenths2 INTEGER NOT NULL DEFAULT 0,
            points1 INTEGER NOT NULL DEFAULT 0, points2 INTEGER NOT NULL DEFAULT 0,
            money1 INTEGER NOT NULL DEFAULT 0, money2 INTEGER NOT NULL DEFAULT 0,
            win1 INTEGER NOT NULL DEFAULT 0, win2 INTEGER NOT NULL DEFAULT 0
        );
        CREATE INDEX contests_player1 ON contests (player1);
        CREATE INDEX contests_player2 ON contests (player2);
        CREATE TABLE contest_days (
            player INTEGER NOT NULL,
            day INTEGER NOT NULL,
            matchtype INTEGER NOT NULL,
            played INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (player, day, matchtype)
        );
        CREATE TABLE contest_king (
            slot INTEGER PRIMARY KEY CHECK (slot = 1),
            player INTEGER NOT NULL
        );
    )"}});
}

std::vector<int> ContestStore::choiceQuestionIds() {
    std::vector<int> ids;
    auto q = m_storage.query("SELECT qsid FROM quiz_questions WHERE gametype = 1 AND playtype BETWEEN 7 AND 11 "
                             "ORDER BY qsid");
    while (q->step()) {
        ids.push_back(static_cast<int>(q->columnInt(0)));
    }
    return ids;
}

int ContestStore::playedOn(int playerId, int day, int type) {
    auto q = m_storage.query("SELECT played FROM contest_days WHERE player = ?1 AND day = ?2 AND matchtype = ?3");
    q->bindAll(playerId, day, type);
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

ContestStore::Started ContestStore::start(const Side& a, const Side& b, int type, int day, std::int64_t nowMs) {
    const DailyCounts counts = dailyCounts(type);
    Started started;
    auto tx = m_storage.transaction();
    int cost[2] = {0, 0};
    const Side* sides[2] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        const Side& side = *sides[i];
        if (!side.counted) {
            continue;
        }
        const int played = playedOn(side.playerId, day, type);
        if (played >= counts.max) {
            started.refusedPlayer = side.playerId;
            return started; // rolled back
        }
        if (played >= counts.free && counts.cost > 0) {
            if (!m_players.addProgress(tx, side.playerId, PlayerProgress{0, -counts.cost, 0})) {
                started.result = Start::NoMoney;
                started.refusedPlayer = side.playerId;
                return started;
            }
            cost[i] = counts.cost;
        }
        auto q = m_storage.query(
            "INSERT INTO contest_days (player, day, matchtype, played) VALUES (?1, ?2, ?3, 1) "
            "ON CONFLICT (player, day, matchtype) DO UPDATE SET played = contest_days.played + 1");
        q->bindAll(side.playerId, day, type).run();
    }
    {
        auto q =
            m_storage.query("INSERT INTO contests (matchtype, day, started, player1, player2, cost1, cost2) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7) RETURNING id");
        q->bindAll(type, day, nowMs, a.playerId, b.playerId, cost[0], cost[1]).step();
        started.contestId = q->columnInt(0);
    }
    tx.commit();
    started.result = Start::Started;
    return started;
}

bool ContestStore::settle(std::int64_t contestId, const Outcome& a, const Outcome& b, bool fled, int newKing) {
    auto tx = m_storage.transaction();
    {
        auto q = m_storage.query(
            "UPDATE contests SET paid = 1, fled = ?2, right1 = ?3, right2 = ?4, wrong1 = ?5, wrong2 = ?6, "
            "tenths1 = ?7, tenths2 = ?8, points1 = ?9, points2 = ?10, money1 = ?11, money2 = ?12, win1 = ?13, "
            "win2 = ?14 WHERE id = ?1 AND paid = 0 AND player1 = ?15 AND player2 = ?16");
        q->bindAll(contestId, fled ? 1 : 0, a.right, b.right, a.wrong, b.wrong, a.tenths, b.tenths, a.points, b.points,
                   a.money, b.money, a.win, b.win, a.playerId, b.playerId)
            .run();
        if (q->changes() != 1) {
            return false;
        }
    }
    for (const Outcome* side : {&a, &b}) {
        if (side->points != 0 || side->money != 0) {
            m_players.addProgress(tx, side->playerId, PlayerProgress{side->points, side->money, 0});
        }
        if (side->win == 1) {
            m_counters.add(tx, side->playerId, achievements::Counter::ContestWins, 1);
        }
    }
    if (newKing != 0) {
        auto q = m_storage.query("INSERT INTO contest_king (slot, player) VALUES (1, ?1) "
                                 "ON CONFLICT (slot) DO UPDATE SET player = excluded.player");
        q->bind(1, newKing).run();
    }
    tx.commit();
    return true;
}

int ContestStore::king() {
    {
        auto q = m_storage.query("SELECT player FROM contest_king WHERE slot = 1");
        if (q->step()) {
            return static_cast<int>(q->columnInt(0));
        }
    }
    auto q = m_storage.query("SELECT id FROM players WHERE guest = 0 ORDER BY weekscore DESC, id ASC LIMIT 1");
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

int ContestStore::winPercent(int playerId) {
    auto q = m_storage.query("SELECT COUNT(*), SUM(CASE WHEN (player1 = ?1 AND win1 = 1) OR (player2 = ?1 "
                             "AND win2 = 1) THEN 1 ELSE 0 END) "
                             "FROM contests "
                             "WHERE paid = 1 AND (player1 = ?1 OR player2 = ?1)");
    q->bind(1, playerId);
    if (!q->step()) {
        return 0;
    }
    const auto played = q->columnInt(0);
    return played == 0 ? 0 : static_cast<int>(q->columnInt(1) * 100 / played);
}

} // namespace server::contests
