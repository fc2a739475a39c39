// What the referral features keep beside the player records: the rewards paid to referrers and
// the days each player was there (logged in or online, with the online seconds).
//
// The figures read the quiz's record of answers (quiz_daily: one row per question handed out,
// with its verdict and pay) rather than counting answers twice.
#pragma once

#include "storage/PlayerRecord.h"
#include "storage/Storage.h"

#include <cstdint>
#include <unordered_map>

namespace server {
class PlayerStore;
}

namespace server::referrals {

class ReferralStore {
public:
    ReferralStore(Storage& storage, PlayerStore& players); // creates or migrates its tables

    // Called inside the transaction that recorded the player's answer: pays the referrer once
    // the player qualifies (ReferralRules.h). The reward's record is keyed by the referred
    // player, so racing answers pay once. Returns the money paid now (0 mostly).
    int payAnswerReward(Storage::Transaction& within, const PlayerRecord& player, int day);

    // The player was there on that day (a login).
    void noteLoginDay(int playerId, int day);
    // Online seconds per player, counted towards that day (which also becomes a login day).
    void addOnlineSeconds(const std::unordered_map<int, std::int64_t>& seconds, int day);

private:
    Storage& m_storage;
    PlayerStore& m_players;
};

} // namespace server::referrals
