#include "rewards/SignIn.h"

#include "referrals/DayNumbers.h"
#include "rewards/RewardRules.h"
#include "storage/PlayerStore.h"

#include <algorithm>

namespace server::rewards {

using referrals::DayNumbers;

namespace {

Json::Value refused(int fail) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = fail;
    return answer;
}

void putTotals(Json::Value& answer, const PlayerRecord& player) {
    answer["score"] = player.score;
    answer["levelupscore"] = player.levelUpScore;
    answer["level"] = player.level;
    answer["money"] = player.money;
}

} // namespace

SignIn::SignIn(ServerServices& services) : m_services(services) {
    m_services.storage.migrate("signin", {{1, R"(
        CREATE TABLE sign_days (
            player_id INTEGER NOT NULL,
            day INTEGER NOT NULL,
            streak INTEGER NOT NULL,
            addscore INTEGER NOT NULL,
            addmoney INTEGER NOT NULL,
            PRIMARY KEY (player_id, day)
        );
    )"}});
}

int SignIn::daysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    const int first = year * 10000 + month * 100 + 1;
    const int next = month == 12 ? (year + 1) * 10000 + 101 : year * 10000 + (month + 1) * 100 + 1;
    return static_cast<int>(DayNumbers::toSerial(next) - DayNumbers::toSerial(first));
}

int SignIn::firstColumn(int year, int month) {
    // 1970-01-01 was a Thursday: serial 0 is column 5 of a week that starts on Sunday.
    const std::int64_t serial = DayNumbers::toSerial(year * 10000 + month * 100 + 1);
    return static_cast<int>(((serial + 4) % 7 + 7) % 7) + 1;
}

int SignIn::storedStreak(int playerId, int day) {
    auto q = m_services.storage.query("SELECT streak FROM sign_days WHERE player_id = ?1 AND day = ?2");
    q->bindAll(playerId, day);
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

int SignIn::streak(int playerId, int day) {
    const int today = storedStreak(playerId, day);
    return today > 0 ? today : storedStreak(playerId, DayNumbers::addDays(day, -1));
}

Json::Value SignIn::record(int playerId, int day) {
    const int year = day / 10000;
    const int month = day / 100 % 100;
    const int length = daysInMonth(year, month);
    std::string mask(static_cast<std::size_t>(std::max(length, 0)), '0');
    {
        auto q = m_services.storage.query("SELECT day FROM sign_days WHERE player_id = ?1 AND day BETWEEN ?2 AND ?3");
        q->bindAll(playerId, year * 10000 + month * 100 + 1, year * 10000 + month * 100 + 31);
        while (q->step()) {
            const int signedDay = static_cast<int>(q->columnInt(0)) % 100;
            if (signedDay >= 1 && signedDay <= length) {
                mask[static_cast<std::size_t>(signedDay - 1)] = '1';
            }
        }
    }
    const bool signedToday = storedStreak(playerId, day) > 0;
    const int run = streak(playerId, day);
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["issign"] = signedToday ? 1 : 0;
    answer["year"] = year;
    answer["month"] = month;
    answer["week"] = firstColumn(year, month);
    answer["continuous"] = run;
    // The next sign-in is tomorrow's when today is signed, else today's; either extends the run.
    answer["nextdays"] = run + 1;
    answer["nextscore"] = signReward(run + 1).score;
    answer["addscore"] = 0;
    answer["addmoney"] = 0;
    answer["days"] = mask;
    return answer;
}

RewardReply SignIn::data(int playerId, int day) { return {record(playerId, day), {}}; }

RewardReply SignIn::sign(int playerId, int day) {
    int run = 0;
    SignReward reward;
    std::optional<PlayerRecord> player;
    {
        auto tx = m_services.storage.transaction();
        if (storedStreak(playerId, day) > 0) {
            return {refused(1), "signed in already on " + std::to_string(day)};
        }
        run = storedStreak(playerId, DayNumbers::addDays(day, -1)) + 1;
        reward = signReward(run);
        auto insert =
            m_services.storage.query("INSERT INTO sign_days (player_id, day, streak, addscore, addmoney) "
                                     "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT DO NOTHING");
        insert->bindAll(playerId, day, run, reward.score, reward.money).run();
        if (insert->changes() != 1) {
            return {refused(1), "signed in already on " + std::to_string(day)};
        }
        player = m_services.players.addProgress(tx, playerId, {reward.score, reward.money, 0});
        if (!player) {
            return {refused(2), "no such player"};
        }
        if (onSigned) {
            onSigned(tx, playerId, run);
        }
        tx.commit();
    }
    Json::Value answer = record(playerId, day);
    answer["addscore"] = reward.score;
    answer["addmoney"] = reward.money;
    putTotals(answer, *player);
    return {answer, {}};
}

} // namespace server::rewards
