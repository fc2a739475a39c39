// Game-server commands that hand out editorial content and take small reports: 12 notices,
// 15 events (list and join), 21 help texts, 23 wall list, 25 advertisement report. The prize table
// goes out with a team (39); 49 is the player's own results (teams/).
#pragma once

namespace server {

class CommandRegistry;
class ContentStore;
struct ServerConfig;

class ContentCommands {
public:
    static void registerInto(CommandRegistry& game, ContentStore& content);
    // Today as the events' date numbers (20261209), the local day of the server's clock.
    static int today(const ServerConfig& config);
};

} // namespace server
