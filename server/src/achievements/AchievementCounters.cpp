#include "achievements/AchievementCounters.h"

namespace server::achievements {

AchievementCounters::AchievementCounters(Storage& storage) : m_storage(storage) {
    m_storage.migrate("achievements", {{1, R"(
        CREATE TABLE achievement_counts (
            player INTEGER NOT NULL,
            counter INTEGER NOT NULL,
            value INTEGER NOT NULL,
            PRIMARY KEY (player, counter)
        );
        CREATE TABLE answer_runs (
            player INTEGER PRIMARY KEY,
            current INTEGER NOT NULL
        );
        CREATE TABLE achievement_claims (
            player INTEGER NOT NULL,
            achievement INTEGER NOT NULL,
            score INTEGER NOT NULL,
            claimed INTEGER NOT NULL,
            PRIMARY KEY (player, achievement)
        );
    )"}});
}

void AchievementCounters::add(Storage::Transaction&, int playerId, Counter counter, int amount) {
    auto q = m_storage.query(
        "INSERT INTO achievement_counts (player, counter, value) VALUES (?1, ?2, ?3) "
        "ON CONFLICT (player, counter) DO UPDATE SET value = achievement_counts.value + excluded.value");
    q->bindAll(playerId, static_cast<int>(counter), amount).run();
}

void AchievementCounters::raiseTo(Storage::Transaction&, int playerId, Counter counter, int value) {
    auto q = m_storage.query("INSERT INTO achievement_counts (player, counter, value) VALUES (?1, ?2, ?3) "
                             "ON CONFLICT (player, counter) DO UPDATE SET value = CASE "
                             "WHEN excluded.value > achievement_counts.value THEN excluded.value "
                             "ELSE achievement_counts.value END");
    q->bindAll(playerId, static_cast<int>(counter), value).run();
}

int AchievementCounters::value(int playerId, Counter counter) {
    auto q = m_storage.query("SELECT value FROM achievement_counts WHERE player = ?1 AND counter = ?2");
    q->bindAll(playerId, static_cast<int>(counter));
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

void AchievementCounters::answered(Storage::Transaction& within, int playerId, bool right) {
    add(within, playerId, Counter::Answers, 1);
    if (!right) {
        auto q = m_storage.query("UPDATE answer_runs SET current = 0 WHERE player = ?1");
        q->bind(1, playerId).run();
        return;
    }
    add(within, playerId, Counter::RightAnswers, 1);
    int run = 1;
    {
        auto q = m_storage.query(
            "INSERT INTO answer_runs (player, current) VALUES (?1, 1) "
            "ON CONFLICT (player) DO UPDATE SET current = answer_runs.current + 1 RETURNING current");
        q->bind(1, playerId);
        if (q->step()) {
            run = static_cast<int>(q->columnInt(0));
        }
    }
    raiseTo(within, playerId, Counter::RightRun, run);
}

} // namespace server::achievements
