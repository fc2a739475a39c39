// The weekly ranking (command 13): registered players by the score they earned since Monday
// 00:00 local time. The first request or tick of a new week closes the old one in one
// transaction: places and scores are kept, the top ten are paid, every weekscore starts at 0.
#pragma once

#include "commands/RequestContext.h"

#include <json/value.h>

namespace server::rankings {

class WeeklyRanking {
public:
    explicit WeeklyRanking(ServerServices& services); // creates or migrates its tables

    // Closes the stored week when `day` (yyyymmdd) lies in a later one; true when it did.
    bool rollOver(int day);
    Json::Value page(int playerId, int day);

    // The Monday of the week the stored weekscores belong to (0 before the first request).
    int currentWeek();

private:
    void close(int week);

    ServerServices& m_services;
};

} // namespace server::rankings
