// Game-server commands about the player: 1 user information (with "act" "change" for the
// profile and "changepwd" for the password) and 16 location report.
#pragma once

#include <json/value.h>

namespace server {

class AccountService;
class CommandRegistry;
struct PlayerRecord;

class UserCommands {
public:
    static void registerInto(CommandRegistry& game, AccountService& accounts);
    // The members of the client's user record, with "response" 1.
    static Json::Value userInfo(const PlayerRecord& player);
    static const char* levelTitle(int level);
};

} // namespace server
