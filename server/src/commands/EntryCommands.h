// The entry server's three commands: 0 version check, 1 registration, 2 login.
#pragma once

#include <string>

namespace server {

class AccountService;
class CommandRegistry;
namespace cluster {
class GameServerPool;
}

class EntryCommands {
public:
    // gameServers: where logins send players; null: to this process's own game port.
    static void registerInto(CommandRegistry& entry, AccountService& accounts,
                             const cluster::GameServerPool* gameServers = nullptr);
    // Compares dotted version numbers ("2.2.10" is newer than "2.2.9"); missing parts count 0.
    static int compareVersions(const std::string& a, const std::string& b);
};

} // namespace server
