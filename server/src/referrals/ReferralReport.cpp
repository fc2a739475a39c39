#include "referrals/ReferralReport.h"

#include "referrals/DayNumbers.h"
#include "referrals/ReferralRules.h"

namespace server::referrals {

std::int64_t ReferralReport::weekRank(int playerId, int today) {
    auto q = m_storage.query(
        "WITH week AS (SELECT player, SUM(paid_score) AS s FROM quiz_daily "
        "WHERE day BETWEEN ?1 AND ?2 AND answered = 1 GROUP BY player) "
        "SELECT COALESCE((SELECT s FROM week WHERE player = ?3), 0), "
        "(SELECT COUNT(*) FROM week WHERE s > COALESCE((SELECT s FROM week WHERE player = ?3), 0))");
    q->bindAll(DayNumbers::weekStart(today), today, playerId);
    if (!q->step() || q->columnInt(0) <= 0) {
        return 0;
    }
    return q->columnInt(1) + 1;
}

PlayerStatistics ReferralReport::statistics(int playerId, int today) {
    PlayerStatistics out;
    const int activeFrom = DayNumbers::addDays(today, -(kActiveDays - 1));
    {
        auto q = m_storage.query(
            "SELECT "
            "(SELECT COALESCE(SUM(paid_score), 0) FROM quiz_daily WHERE player = ?1 AND day = ?2 AND answered = 1), "
            "(SELECT COALESCE(SUM(paid_money), 0) FROM quiz_daily WHERE player = ?1 AND day = ?2 AND answered = 1) + "
            "(SELECT COALESCE(SUM(amount), 0) FROM referral_rewards WHERE referrer = ?1 AND day = ?2), "
            "(SELECT COUNT(*) FROM quiz_daily WHERE player = ?1 AND answered = 1 AND \"right\" = 1), "
            "(SELECT COUNT(*) FROM quiz_daily WHERE player = ?1 AND answered = 1 AND \"right\" = 0), "
            "(SELECT COUNT(*) FROM players WHERE referrer = ?1), "
            "(SELECT COUNT(*) FROM players p WHERE p.referrer = ?1 AND EXISTS (SELECT 1 FROM quiz_daily q "
            "WHERE q.player = p.id AND q.day BETWEEN ?3 AND ?2 AND q.answered = 1)), "
            "(SELECT COALESCE(SUM(amount), 0) FROM referral_rewards WHERE referrer = ?1), "
            "(SELECT CASE WHEN guest = 1 THEN 0 ELSE regtime END FROM players WHERE id = ?1)");
        q->bindAll(playerId, today, activeFrom);
        if (q->step()) {
            int c = 0;
            out.todayScore = q->columnInt(c++);
            out.todayMoney = q->columnInt(c++);
            out.allRight = q->columnInt(c++);
            out.allWrong = q->columnInt(c++);
            out.referred = q->columnInt(c++);
            out.activeReferred = q->columnInt(c++);
            out.referralPrize = q->columnInt(c++);
            out.regTime = q->columnInt(c++);
        }
    }
    out.weekRank = weekRank(playerId, today);
    return out;
}

std::vector<ReferredPlayer> ReferralReport::referred(int playerId, std::int64_t page, int today) {
    std::vector<ReferredPlayer> rows;
    const int monthStart = today / 100 * 100 + 1;
    const int monthEnd = today / 100 * 100 + 31;
    auto q = m_storage.query(
        "SELECT p.id, COALESCE(p.username, ''), p.regtime, p.money, p.score, "
        "(SELECT COUNT(*) FROM quiz_daily q WHERE q.player = p.id AND q.answered = 1 AND q.\"right\" = 1), "
        "(SELECT COUNT(*) FROM quiz_daily q WHERE q.player = p.id AND q.answered = 1 AND q.\"right\" = 0), "
        "(SELECT COALESCE(SUM(paid_money), 0) FROM quiz_daily q WHERE q.player = p.id AND q.day = ?2 "
        "AND q.answered = 1) + "
        "(SELECT COALESCE(SUM(amount), 0) FROM referral_rewards r WHERE r.referrer = p.id AND r.day = ?2), "
        "(SELECT COALESCE(SUM(paid_score), 0) FROM quiz_daily q WHERE q.player = p.id AND q.day = ?2 "
        "AND q.answered = 1), "
        "(SELECT COUNT(*) FROM quiz_daily q WHERE q.player = p.id AND q.day = ?2 AND q.answered = 1), "
        "(SELECT COALESCE(SUM(online), 0) FROM player_days d WHERE d.player = p.id), "
        "(SELECT COUNT(*) FROM player_days d WHERE d.player = p.id AND d.day BETWEEN ?3 AND ?4), "
        "(SELECT COUNT(*) FROM player_days d WHERE d.player = p.id), "
        "(SELECT COALESCE(MAX(day), 0) FROM quiz_daily q WHERE q.player = p.id AND q.answered = 1) "
        "FROM players p WHERE p.referrer = ?1 ORDER BY p.id LIMIT ?5 OFFSET ?6");
    q->bindAll(playerId, today, monthStart, monthEnd, kPageRows, page * kPageRows);
    while (q->step()) {
        ReferredPlayer r;
        int c = 0;
        r.id = static_cast<int>(q->columnInt(c++));
        r.tel = q->columnText(c++);
        r.regDate = DayNumbers::dateText(q->columnInt(c++));
        r.money = q->columnInt(c++);
        r.score = q->columnInt(c++);
        r.rightCount = q->columnInt(c++);
        r.wrongCount = q->columnInt(c++);
        r.todayMoney = q->columnInt(c++);
        r.todayScore = q->columnInt(c++);
        r.todayAnswers = q->columnInt(c++);
        r.onlineSeconds = q->columnInt(c++);
        r.monthLoginDays = q->columnInt(c++);
        r.loginDays = q->columnInt(c++);
        r.lastActiveDay = static_cast<int>(q->columnInt(c++));
        rows.push_back(std::move(r));
    }
    return rows;
}

} // namespace server::referrals
