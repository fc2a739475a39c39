// Game-server command 24, the prize-money claim form: "authcode" sends a code to the player's
// mobile number, "update" saves the form once the code is given back.
#pragma once

namespace server {
class CommandRegistry;
struct ServerServices;
}

namespace server::claims {

class ClaimCommands {
public:
    // The code goes to the outbox beside the database, or to the config's gateway command.
    static void registerInto(CommandRegistry& game, ServerServices& services);
};

} // namespace server::claims
