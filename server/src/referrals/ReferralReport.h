// The figures of the profile's statistics panel (command 51) and the rows of the referral list
// (command 50), read from the player records, the quiz's answers, the rewards and the days.
#pragma once

#include "storage/Storage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace server::referrals {

struct PlayerStatistics {
    std::int64_t todayScore = 0, todayMoney = 0; // answers' pay today, plus referral rewards today
    std::int64_t allRight = 0, allWrong = 0;     // every answer judged
    std::int64_t weekRank = 0;                   // 0: nothing scored this week
    std::int64_t referred = 0, activeReferred = 0, referralPrize = 0;
    std::int64_t regTime = 0; // 0 for a guest
};

struct ReferredPlayer {
    int id = 0;
    std::string tel;     // the mobile number the player registered with
    std::string regDate; // yyyy-mm-dd (UTC)
    std::int64_t rightCount = 0, wrongCount = 0, money = 0, score = 0;
    std::int64_t todayMoney = 0, todayScore = 0, todayAnswers = 0;
    std::int64_t onlineSeconds = 0, monthLoginDays = 0, loginDays = 0;
    int lastActiveDay = 0; // yyyymmdd of the last answer, 0 when none
};

class ReferralReport {
public:
    explicit ReferralReport(Storage& storage) : m_storage(storage) {}

    PlayerStatistics statistics(int playerId, int today);
    // Players who named playerId as referrer, oldest first, kPageRows from page * kPageRows.
    std::vector<ReferredPlayer> referred(int playerId, std::int64_t page, int today);

private:
    std::int64_t weekRank(int playerId, int today);

    Storage& m_storage;
};

} // namespace server::referrals
