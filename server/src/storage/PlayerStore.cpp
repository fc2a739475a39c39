#include "storage/PlayerStore.h"

#include "accounts/LevelRule.h"
#include "storage/Storage.h"

#include <ctime>

namespace server {

namespace {

const char* const kColumns =
    "id, username, mac, guest, pwhash, nickname, email, tel, home, birthday, sex, score, money, level, "
    "levelupscore, answercount, weekscore, lastrank, rankprizemoney, referrer, infofilled, regtime";

PlayerRecord readRecord(Statement& s) {
    PlayerRecord r;
    int c = 0;
    r.id = static_cast<int>(s.columnInt(c++));
    r.userName = s.columnText(c++);
    r.mac = s.columnText(c++);
    r.guest = s.columnInt(c++) != 0;
    r.passwordHash = s.columnText(c++);
    r.nickname = s.columnText(c++);
    r.email = s.columnText(c++);
    r.tel = s.columnText(c++);
    r.home = s.columnText(c++);
    r.birthday = s.columnInt(c++);
    r.sex = static_cast<int>(s.columnInt(c++));
    r.score = static_cast<int>(s.columnInt(c++));
    r.money = static_cast<int>(s.columnInt(c++));
    r.level = static_cast<int>(s.columnInt(c++));
    r.levelUpScore = static_cast<int>(s.columnInt(c++));
    r.answerCount = static_cast<int>(s.columnInt(c++));
    r.weekScore = static_cast<int>(s.columnInt(c++));
    r.lastRank = static_cast<int>(s.columnInt(c++));
    r.rankPrizeMoney = static_cast<int>(s.columnInt(c++));
    r.referrerId = static_cast<int>(s.columnInt(c++));
    r.infoFilled = s.columnInt(c++) != 0;
    r.regTime = s.columnInt(c++);
    return r;
}

std::string select(const char* where) { return std::string("SELECT ") + kColumns + " FROM players WHERE " + where; }

} // namespace

PlayerStore::PlayerStore(Storage& storage) : m_storage(storage) {
    // Ids start at 10001 so that a player id never looks like a small count or flag.
    m_storage.migrate("players", {{1, R"(
        CREATE TABLE players (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            username TEXT UNIQUE,
            mac TEXT NOT NULL DEFAULT '',
            guest INTEGER NOT NULL DEFAULT 0,
            pwhash TEXT NOT NULL DEFAULT '',
            nickname TEXT NOT NULL DEFAULT '',
            email TEXT NOT NULL DEFAULT '',
            tel TEXT NOT NULL DEFAULT '',
            home TEXT NOT NULL DEFAULT '',
            birthday INTEGER NOT NULL DEFAULT 0,
            sex INTEGER NOT NULL DEFAULT 0,
            score INTEGER NOT NULL DEFAULT 0,
            money INTEGER NOT NULL DEFAULT 0 CHECK (money >= 0),
            level INTEGER NOT NULL DEFAULT 0,
            levelupscore INTEGER NOT NULL DEFAULT 100,
            answercount INTEGER NOT NULL DEFAULT 0,
            weekscore INTEGER NOT NULL DEFAULT 0,
            lastrank INTEGER NOT NULL DEFAULT 0,
            rankprizemoney INTEGER NOT NULL DEFAULT 0,
            referrer INTEGER NOT NULL DEFAULT 0,
            infofilled INTEGER NOT NULL DEFAULT 0,
            regtime INTEGER NOT NULL DEFAULT 0,
            lat REAL NOT NULL DEFAULT 0,
            lng REAL NOT NULL DEFAULT 0,
            city TEXT NOT NULL DEFAULT ''
        );
        CREATE UNIQUE INDEX players_guest_mac ON players (mac) WHERE guest = 1;
        INSERT INTO players (id, username, guest) VALUES (10000, NULL, 1);
        DELETE FROM players WHERE id = 10000;
    )"}});
}

std::optional<PlayerRecord> PlayerStore::findWhere(const char* sql, std::string_view key) {
    auto q = m_storage.query(sql);
    q->bind(1, key);
    if (!q->step()) {
        return std::nullopt;
    }
    return readRecord(*q);
}

std::optional<PlayerRecord> PlayerStore::findById(int id) {
    static const std::string sql = select("id = ?1");
    auto q = m_storage.query(sql);
    q->bind(1, id);
    if (!q->step()) {
        return std::nullopt;
    }
    return readRecord(*q);
}

std::optional<PlayerRecord> PlayerStore::find(int id) { return findById(id); }

std::optional<PlayerRecord> PlayerStore::findByUserName(std::string_view userName) {
    static const std::string sql = select("username = ?1");
    return findWhere(sql.c_str(), userName);
}

std::optional<PlayerRecord> PlayerStore::findGuest(std::string_view mac) {
    static const std::string sql = select("guest = 1 AND mac = ?1");
    return findWhere(sql.c_str(), mac);
}

PlayerRecord PlayerStore::createGuest(std::string_view mac) {
    auto tx = m_storage.transaction();
    int id = 0;
    {
        auto q = m_storage.query("INSERT INTO players (guest, mac, regtime) VALUES (1, ?1, ?2) RETURNING id");
        q->bindAll(mac, static_cast<std::int64_t>(std::time(nullptr))).step();
        id = static_cast<int>(q->columnInt(0));
    }
    tx.commit();
    return *findById(id);
}

std::optional<PlayerRecord> PlayerStore::createAccount(std::string_view userName, std::string_view passwordHash,
                                                       std::string_view mac, int referrerId) {
    auto tx = m_storage.transaction();
    int id = 0;
    try {
        auto q = m_storage.query("INSERT INTO players (username, pwhash, mac, tel, referrer, regtime) "
                                 "VALUES (?1, ?2, ?3, ?1, ?4, ?5) RETURNING id");
        q->bindAll(userName, passwordHash, mac, referrerId, static_cast<std::int64_t>(std::time(nullptr)))
            .step();
        id = static_cast<int>(q->columnInt(0));
    } catch (const ConstraintError&) {
        return std::nullopt; // the user name is taken (two registrations raced, or a plain duplicate)
    }
    tx.commit();
    return findById(id);
}

PlayerStore::Registration PlayerStore::registerAccount(std::string_view userName, std::string_view passwordHash,
                                                       std::string_view mac, int referrerId, std::int64_t now) {
    Registration out;
    auto tx = m_storage.transaction();
    const auto guest = mac.empty() ? std::nullopt : findGuest(mac);
    if (referrerId != 0) {
        // The guest turning into this account is the player here: itself and the players it
        // referred are refused like for setReferrer.
        const auto check = checkLink(guest ? guest->id : 0, referrerId);
        if (check != ReferrerOk) {
            out.result = Registered::ReferrerRefused;
            out.referrerRefusal = check;
            return out;
        }
    }
    int id = 0;
    try {
        if (guest) {
            // The guest index covers guest rows only, so the device's next guest login makes a
            // fresh guest.
            auto q = m_storage.query("UPDATE players SET username = ?2, pwhash = ?3, guest = 0, tel = ?2, "
                                     "referrer = ?4, regtime = ?5 WHERE id = ?1 AND guest = 1");
            q->bindAll(guest->id, userName, passwordHash, referrerId, now).run();
            id = guest->id;
            out.result = Registered::FromGuest;
        } else {
            auto q = m_storage.query("INSERT INTO players (username, pwhash, mac, tel, referrer, regtime) "
                                     "VALUES (?1, ?2, ?3, ?1, ?4, ?5) RETURNING id");
            q->bindAll(userName, passwordHash, mac, referrerId, now).step();
            id = static_cast<int>(q->columnInt(0));
            out.result = Registered::Created;
        }
    } catch (const ConstraintError&) {
        out.result = Registered::Taken;
        return out;
    }
    tx.commit();
    out.record = findById(id);
    return out;
}

bool PlayerStore::referrerChainReaches(int fromId, int targetId) {
    // UNION (not UNION ALL) stops at a repeat, so even a damaged table with a loop ends.
    auto q = m_storage.query("WITH RECURSIVE chain(id) AS (SELECT ?1 UNION "
                             "SELECT p.referrer FROM players p JOIN chain c ON p.id = c.id WHERE p.referrer != 0) "
                             "SELECT 1 FROM chain WHERE id = ?2 LIMIT 1");
    q->bindAll(fromId, targetId);
    return q->step();
}

PlayerStore::ReferrerCheck PlayerStore::checkReferrer(int playerId, int referrerId) {
    if (playerId != 0) {
        const auto player = findById(playerId);
        if (!player || player->guest) {
            return GuestCannotRefer;
        }
        if (player->referrerId != 0) {
            return AlreadyReferred;
        }
    }
    return checkLink(playerId, referrerId);
}

PlayerStore::ReferrerCheck PlayerStore::checkLink(int playerId, int referrerId) {
    if (playerId != 0 && referrerId == playerId) {
        return ReferrerIsSelf;
    }
    const auto referrer = referrerId > 0 ? findById(referrerId) : std::nullopt;
    if (!referrer || referrer->guest) {
        return ReferrerUnknown;
    }
    if (playerId != 0 && referrerChainReaches(referrerId, playerId)) {
        return ReferrerCycle;
    }
    return ReferrerOk;
}

PlayerStore::ReferrerCheck PlayerStore::setReferrer(int playerId, int referrerId) {
    auto tx = m_storage.transaction();
    const auto check = checkReferrer(playerId, referrerId);
    if (check != ReferrerOk) {
        return check;
    }
    {
        auto q = m_storage.query("UPDATE players SET referrer = ?2 WHERE id = ?1 AND referrer = 0 AND guest = 0");
        q->bindAll(playerId, referrerId).run();
    }
    tx.commit();
    return ReferrerOk;
}

std::optional<PlayerRecord> PlayerStore::addProgress(int id, const PlayerProgress& progress) {
    auto tx = m_storage.transaction();
    auto record = addProgress(tx, id, progress);
    if (record) {
        tx.commit();
    }
    return record;
}

std::optional<PlayerRecord> PlayerStore::addProgress(Storage::Transaction&, int id, const PlayerProgress& progress) {
    auto record = findById(id);
    if (!record || record->money + progress.addMoney < 0) {
        return std::nullopt;
    }
    record->score += progress.addScore;
    record->weekScore += progress.addScore;
    record->money += progress.addMoney;
    record->answerCount += progress.addAnswers;
    record->level = LevelRule::levelForScore(record->score);
    record->levelUpScore = LevelRule::levelUpScore(record->level);
    {
        auto q = m_storage.query("UPDATE players SET score = ?2, money = ?3, level = ?4, levelupscore = ?5, "
                                 "answercount = ?6, weekscore = ?7 WHERE id = ?1");
        q->bindAll(id, record->score, record->money, record->level, record->levelUpScore, record->answerCount,
                   record->weekScore)
            .run();
    }
    return record;
}

bool PlayerStore::saveProgress(const PlayerRecord& r) {
    auto q = m_storage.query("UPDATE players SET score = ?2, money = ?3, level = ?4, levelupscore = ?5, "
                             "answercount = ?6, weekscore = ?7 WHERE id = ?1");
    q->bindAll(r.id, r.score, r.money, r.level, r.levelUpScore, r.answerCount, r.weekScore).run();
    return q->changes() > 0;
}

bool PlayerStore::updateProfile(int id, std::string_view nickname, std::string_view email, std::string_view tel,
                                std::string_view home, std::int64_t birthday, int sex) {
    auto q = m_storage.query("UPDATE players SET nickname = ?2, email = ?3, tel = ?4, home = ?5, birthday = ?6, "
                             "sex = ?7 WHERE id = ?1");
    q->bindAll(id, nickname, email, tel, home, birthday, sex).run();
    return q->changes() > 0;
}

bool PlayerStore::updatePasswordHash(int id, std::string_view passwordHash) {
    auto q = m_storage.query("UPDATE players SET pwhash = ?2 WHERE id = ?1 AND guest = 0");
    q->bindAll(id, passwordHash).run();
    return q->changes() > 0;
}

bool PlayerStore::updateLocation(int id, double lat, double lng, std::string_view city) {
    auto q = m_storage.query("UPDATE players SET lat = ?2, lng = ?3, city = ?4 WHERE id = ?1");
    q->bindAll(id, lat, lng, city).run();
    return q->changes() > 0;
}

bool PlayerStore::markInfoFilled(Storage::Transaction&, int id) {
    auto q = m_storage.query("UPDATE players SET infofilled = 1 WHERE id = ?1");
    q->bind(1, id).run();
    return q->changes() > 0;
}

int PlayerStore::count() {
    auto q = m_storage.query("SELECT COUNT(*) FROM players");
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

} // namespace server
