// Commands 11 (sign-in and lucky draw) and 13 (the weekly ranking), on the server's local day.
#pragma once

namespace server {
class CommandRegistry;
struct ServerConfig;
namespace rankings {
class WeeklyRanking;
}
} // namespace server

namespace server::rewards {

class SignIn;
class LuckyDraw;

class RewardCommands {
public:
    static void registerInto(CommandRegistry& game, SignIn& signIn, LuckyDraw& luck, rankings::WeeklyRanking& weekly,
                             const ServerConfig& config);
    // The local day (yyyymmdd) of the server's clock: the one `--clock` sets.
    static int today(const ServerConfig& config);
};

} // namespace server::rewards
