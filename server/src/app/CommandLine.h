// brindle-server's command line.
#pragma once

#include "app/ServerConfig.h"
#include "store/StoreOperator.h"

#include <string>
#include <vector>

namespace server {

struct CommandLine {
    enum class Action { Serve, Import, StartTeamMatch, Orders, ClaimDetails, Help, Error };
    Action action = Action::Serve;
    ServerConfig config;
    std::string importFile;
    long long teamMatchSeconds = 0; // --start-team-match
    store::OrderCommand orders;     // orders, order-sent
    int claimPlayerId = 0;          // claim-details PLAYERID
    std::string error;

    // exeDir: the folder of the binary; the default data, media and bank folders hang off it.
    static CommandLine parse(const std::vector<std::string>& args, const std::string& exeDir);
    static std::string usage();
};

} // namespace server
