// Game command 90, "alive": {"system": 90} answered {"system": 90, "response": 1} without a
// session. Entry servers ask it every few seconds to know which game servers can take players; it
// touches nothing and its lines stay out of the log below "debug".
#pragma once

namespace server {

class CommandRegistry;

class AliveCommand {
public:
    static constexpr int kSystem = 90;
    static void registerInto(CommandRegistry& game);
};

} // namespace server
