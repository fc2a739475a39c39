// The game-server commands of referrals and the profile's statistics: 50 the players this player
// referred (a page of them), 51 the statistics panel, 52 naming one's referrer.
#pragma once

namespace server {
class CommandRegistry;
struct ServerConfig;
} // namespace server

namespace server::referrals {

class ReferralCommands {
public:
    static void registerInto(CommandRegistry& game);

    // The server's day (yyyymmdd, UTC): the configured day clock, else the system's.
    static int today(const ServerConfig& config);
};

} // namespace server::referrals
