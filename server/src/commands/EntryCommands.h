// The entry server's three commands: 0 version check, 1 registration, 2 login.
#pragma once

#include <string>

namespace server {

class AccountService;
class CommandRegistry;

class EntryCommands {
public:
    static void registerInto(CommandRegistry& entry, AccountService& accounts);
    // Compares dotted version numbers ("2.2.10" is newer than "2.2.9"); missing parts count 0.
    static int compareVersions(const std::string& a, const std::string& b);
};

} // namespace server
