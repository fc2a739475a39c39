// The game-server commands of contests: 26 the schedule, 27 presence in a hall (enter, leave,
// stop searching, leave the running contest), 28 pairing (ask, accept, refuse) and 30 a contest
// answer. Guests are turned away from 27 and 28: contests are for registered players.
#pragma once

namespace server {
class CommandRegistry;
struct ServerConfig;
} // namespace server

namespace server::contests {

class ContestService;

class ContestCommands {
public:
    static void registerInto(CommandRegistry& game, ContestService& service, const ServerConfig& config);
};

} // namespace server::contests
