#include "treasure/TreasureStore.h"

#include "achievements/AchievementCounters.h"
#include "storage/PlayerStore.h"

namespace server::treasure {

using achievements::Counter;

TreasureStore::TreasureStore(Storage& storage, PlayerStore& players, achievements::AchievementCounters& counters)
    : m_storage(storage), m_players(players), m_counters(counters) {
    m_storage.migrate("treasure", {{1, R"(
        CREATE TABLE treasure_days (
            player INTEGER NOT NULL,
            day INTEGER NOT NULL,
            kind INTEGER NOT NULL,
            value INTEGER NOT NULL,
            dug INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (player, day)
        );
        CREATE TABLE zodiac_cards (
            player INTEGER NOT NULL,
            kind INTEGER NOT NULL,
            count INTEGER NOT NULL CHECK (count >= 0),
            PRIMARY KEY (player, kind)
        );
    )"}});
}

void TreasureStore::keepOffer(int playerId, int day, const Draw& draw) {
    // Two first asks racing may draw differently; the first row stays and both read it.
    const Treasure drawn = draw();
    auto q = m_storage.query("INSERT INTO treasure_days (player, day, kind, value) VALUES (?1, ?2, ?3, ?4) "
                             "ON CONFLICT DO NOTHING");
    q->bindAll(playerId, day, drawn.kind, drawn.value).run();
}

TreasureStore::Offer TreasureStore::offer(int playerId, int day, const Draw& draw) {
    keepOffer(playerId, day, draw);
    auto q = m_storage.query("SELECT kind, value, dug FROM treasure_days WHERE player = ?1 AND day = ?2");
    q->bindAll(playerId, day);
    Offer offer;
    if (q->step()) {
        offer.treasure = {static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1))};
        offer.dug = q->columnInt(2) != 0;
    }
    return offer;
}

std::optional<TreasureStore::Dug> TreasureStore::dig(int playerId, int day, const Draw& draw) {
    auto tx = m_storage.transaction();
    // A dig without an ask the same day (the ask came before midnight) digs the new day's one.
    keepOffer(playerId, day, draw);
    Treasure t;
    {
        auto q = m_storage.query("UPDATE treasure_days SET dug = 1 WHERE player = ?1 AND day = ?2 AND dug = 0 "
                                 "RETURNING kind, value");
        q->bindAll(playerId, day);
        if (!q->step()) {
            return std::nullopt;
        }
        t = {static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1))};
    }
    PlayerProgress pay;
    if (t.kind == kScoreCarrot) {
        pay.addScore = t.value;
    } else if (t.kind == kGoldCarrot) {
        pay.addMoney = t.value;
    } else {
        auto q = m_storage.query(
            "INSERT INTO zodiac_cards (player, kind, count) VALUES (?1, ?2, ?3) "
            "ON CONFLICT (player, kind) DO UPDATE SET count = zodiac_cards.count + excluded.count");
        q->bindAll(playerId, t.kind, t.value).run();
        m_counters.add(tx, playerId, Counter::Cards, t.value);
    }
    m_counters.add(tx, playerId, Counter::Treasures, 1);
    auto player = m_players.addProgress(tx, playerId, pay);
    if (!player) {
        return std::nullopt;
    }
    tx.commit();
    return Dug{t, *player};
}

std::array<int, kZodiacKinds> TreasureStore::cards(int playerId) {
    std::array<int, kZodiacKinds> counts{};
    auto q = m_storage.query("SELECT kind, count FROM zodiac_cards WHERE player = ?1");
    q->bind(1, playerId);
    while (q->step()) {
        const auto kind = q->columnInt(0);
        if (kind >= 1 && kind <= kZodiacKinds) {
            counts[static_cast<std::size_t>(kind - 1)] = static_cast<int>(q->columnInt(1));
        }
    }
    return counts;
}

std::optional<PlayerRecord> TreasureStore::exchangeSet(int playerId) {
    auto tx = m_storage.transaction();
    {
        auto q = m_storage.query("SELECT COUNT(*) FROM zodiac_cards WHERE player = ?1 AND count > 0 "
                                 "AND kind BETWEEN 1 AND 12");
        q->bind(1, playerId);
        if (!q->step() || q->columnInt(0) != kZodiacKinds) {
            return std::nullopt;
        }
    }
    {
        auto q = m_storage.query("UPDATE zodiac_cards SET count = count - 1 WHERE player = ?1 AND kind BETWEEN 1 AND 12");
        q->bind(1, playerId).run();
    }
    m_counters.add(tx, playerId, Counter::Sets, 1);
    auto player = m_players.addProgress(tx, playerId, PlayerProgress{0, kSetRewardMoney, 0});
    if (!player) {
        return std::nullopt;
    }
    tx.commit();
    return player;
}

} // namespace server::treasure
