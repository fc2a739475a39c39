// The daily sign-in (command 11, "everyday"): once a local calendar day, paid by the length of the
// unbroken run of days it extends, and the month's calendar of the days the player signed.
#pragma once

#include "commands/RequestContext.h"
#include "storage/Storage.h"

#include <json/value.h>

#include <cstdint>
#include <functional>
#include <string>

namespace server::rewards {

struct RewardReply {
    Json::Value answer;
    std::string refusal; // empty when granted
};

class SignIn {
public:
    explicit SignIn(ServerServices& services); // creates or migrates its table

    // `day` is the player's local day, yyyymmdd.
    RewardReply data(int playerId, int day);
    RewardReply sign(int playerId, int day);

    // The run of days the player's sign-ins make up to `day` (0 when neither that day nor the
    // one before was signed).
    int streak(int playerId, int day);

    // Runs inside the sign-in's transaction with the new run's length, for what counts runs.
    std::function<void(Storage::Transaction&, int playerId, int streak)> onSigned;

    // The month's facts the calendar needs: its length and the column (Sunday 1) of its first day.
    static int daysInMonth(int year, int month);
    static int firstColumn(int year, int month);

private:
    Json::Value record(int playerId, int day);
    int storedStreak(int playerId, int day);

    ServerServices& m_services;
};

} // namespace server::rewards
