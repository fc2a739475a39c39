// Command 33, the contest rankings: the one-to-one and challenge tables from the paid contests,
// and the latest exam's table.
#pragma once

#include <json/value.h>

namespace server {
struct ServerServices;
}

namespace server::rankings {

class ContestRanking {
public:
    // Types 1 and 3: wins desc, points desc, player id asc, over players with a finished contest.
    static Json::Value ofContests(ServerServices& services, int playerId, int matchType);
};

} // namespace server::rankings
