// Game-server command 17: today's treasure ("act" 1), digging it up (2), the zodiac cards held
// (3) and exchanging a full set of twelve (4).
#pragma once

namespace server {
class CommandRegistry;
struct ServerServices;
}

namespace server::treasure {

class TreasureCommands {
public:
    static void registerInto(CommandRegistry& game, ServerServices& services);
};

} // namespace server::treasure
