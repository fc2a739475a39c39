// Game-server command 14: the achievement list ("act" "show") and taking a finished
// achievement's prize ("act" "askprize", "achvId").
#pragma once

namespace server {
class CommandRegistry;
struct ServerServices;
}

namespace server::achievements {

class AchievementCommands {
public:
    // Reads the catalogue from the data folder (achievements.json).
    static void registerInto(CommandRegistry& game, ServerServices& services);
};

} // namespace server::achievements
