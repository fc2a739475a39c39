#include "claims/ClaimStore.h"

#include "claims/ClaimRules.h"
#include "storage/PlayerStore.h"

namespace server::claims {

ClaimStore::ClaimStore(Storage& storage, PlayerStore& players) : m_storage(storage), m_players(players) {
    m_storage.migrate("claims", {{1, R"(
        CREATE TABLE claim_codes (
            player INTEGER PRIMARY KEY,
            code INTEGER NOT NULL,
            issued_ms INTEGER NOT NULL,
            wrong INTEGER NOT NULL DEFAULT 0,
            used INTEGER NOT NULL DEFAULT 0
        );
        CREATE TABLE claim_code_days (
            player INTEGER NOT NULL,
            day INTEGER NOT NULL,
            count INTEGER NOT NULL,
            PRIMARY KEY (player, day)
        );
        CREATE TABLE claim_details (
            player INTEGER PRIMARY KEY,
            name TEXT NOT NULL,
            sex INTEGER NOT NULL,
            birthday INTEGER NOT NULL,
            job TEXT NOT NULL,
            province TEXT NOT NULL,
            city TEXT NOT NULL,
            address TEXT NOT NULL,
            qq TEXT NOT NULL,
            tel TEXT NOT NULL,
            saved_ms INTEGER NOT NULL
        );
    )"}});
}

bool ClaimStore::issueCode(int playerId, int day, int code, std::int64_t nowMs) {
    auto tx = m_storage.transaction();
    {
        // Earlier days matter no more.
        auto q = m_storage.query("DELETE FROM claim_code_days WHERE player = ?1 AND day <> ?2");
        q->bindAll(playerId, day).run();
    }
    {
        auto q = m_storage.query("INSERT INTO claim_code_days (player, day, count) VALUES (?1, ?2, 1) "
                                 "ON CONFLICT (player, day) DO UPDATE SET count = claim_code_days.count + 1 "
                                 "WHERE claim_code_days.count < ?3");
        q->bindAll(playerId, day, kCodesPerDay).run();
        if (q->changes() == 0) {
            return false;
        }
    }
    {
        auto q = m_storage.query("INSERT INTO claim_codes (player, code, issued_ms, wrong, used) "
                                 "VALUES (?1, ?2, ?3, 0, 0) ON CONFLICT (player) DO UPDATE SET "
                                 "code = excluded.code, issued_ms = excluded.issued_ms, wrong = 0, used = 0");
        q->bindAll(playerId, code, nowMs).run();
    }
    tx.commit();
    return true;
}

ClaimStore::Save ClaimStore::saveDetails(int playerId, std::optional<int> code, std::int64_t nowMs,
                                         const ClaimDetails& details) {
    auto tx = m_storage.transaction();
    int stored = 0;
    std::int64_t issued = 0;
    int wrong = 0;
    bool used = false;
    {
        auto q = m_storage.query("SELECT code, issued_ms, wrong, used FROM claim_codes WHERE player = ?1");
        q->bind(1, playerId);
        if (!q->step()) {
            return {Verdict::NoCode, 0};
        }
        stored = static_cast<int>(q->columnInt(0));
        issued = q->columnInt(1);
        wrong = static_cast<int>(q->columnInt(2));
        used = q->columnInt(3) != 0;
    }
    if (used) {
        return {Verdict::Used, wrong};
    }
    if (wrong >= kWrongTries) {
        return {Verdict::Voided, wrong};
    }
    if (nowMs - issued >= kCodeLifetimeMs) {
        return {Verdict::Expired, wrong};
    }
    if (!code || *code != stored) {
        auto q = m_storage.query("UPDATE claim_codes SET wrong = wrong + 1 WHERE player = ?1");
        q->bind(1, playerId).run();
        tx.commit();
        return {Verdict::Wrong, wrong + 1};
    }
    {
        auto q = m_storage.query("UPDATE claim_codes SET used = 1 WHERE player = ?1");
        q->bind(1, playerId).run();
    }
    {
        auto q = m_storage.query(
            "INSERT INTO claim_details (player, name, sex, birthday, job, province, city, address, qq, tel, "
            "saved_ms) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11) ON CONFLICT (player) DO UPDATE "
            "SET "
            "name = excluded.name, sex = excluded.sex, birthday = excluded.birthday, job = excluded.job, "
            "province = excluded.province, city = excluded.city, address = excluded.address, qq = "
            "excluded.qq, "
            "tel = excluded.tel, saved_ms = excluded.saved_ms");
        q->bindAll(playerId, details.name, details.sex, details.birthday, details.job, details.province, details.city,
                   details.address, details.qq, details.tel, nowMs)
            .run();
    }
    if (!m_players.markInfoFilled(tx, playerId)) {
        return {Verdict::NoCode, wrong}; // no such player: nothing kept
    }
    tx.commit();
    return {Verdict::Saved, wrong};
}

std::optional<ClaimDetails> ClaimStore::details(int playerId) {
    auto q = m_storage.query("SELECT name, sex, birthday, job, province, city, address, qq, tel, saved_ms "
                             "FROM claim_details WHERE player = ?1");
    q->bind(1, playerId);
    if (!q->step()) {
        return std::nullopt;
    }
    ClaimDetails d;
    d.name = q->columnText(0);
    d.sex = static_cast<int>(q->columnInt(1));
    d.birthday = static_cast<int>(q->columnInt(2));
    d.job = q->columnText(3);
    d.province = q->columnText(4);
    d.city = q->columnText(5);
    d.address = q->columnText(6);
    d.qq = q->columnText(7);
    d.tel = q->columnText(8);
    d.savedMs = q->columnInt(9);
    return d;
}

} // namespace server::claims
