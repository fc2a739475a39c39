// Command 10, the heartbeat: answers with the oldest message waiting for the player (one per
// heartbeat) or, when none waits, {"response": 1, "teammatchstatus": N}.
#pragma once

namespace server {

class CommandRegistry;

class HeartbeatCommand {
public:
    static void registerInto(CommandRegistry& game);
};

} // namespace server
