// The daily lucky draw (command 11, "luck"): once a local day, drawn here with the published odds
// of RewardRules.h; carrots are paid as score at once, a multiplier raises the score of the
// player's right answers for the rest of that day.
#pragma once

#include "rewards/SignIn.h"

#include <mutex>
#include <random>

namespace server::rewards {

class LuckyDraw {
public:
    // seed 0: a random one.
    explicit LuckyDraw(ServerServices& services, unsigned seed = 0);

    RewardReply data(int playerId, int day);
    RewardReply draw(int playerId, int day);

    // The factor of the day's answer score: the drawn multiplier, else 1.
    static double multiplier(Storage& storage, int playerId, int day);
    static void migrate(Storage& storage);

    // The prize a roll from 0 to 99 lands on.
    static std::size_t prizeOf(int roll);

private:
    Json::Value record(int playerId, int day);

    ServerServices& m_services;
    std::mutex m_randomLock;
    std::mt19937 m_random;
};

} // namespace server::rewards
