#include "commands/CommandRegistry.h"

namespace server {

void CommandRegistry::add(int system, std::string name, CommandHandler handler, LogLevel logLevel) {
    if (m_commands.count(system) != 0) {
        Log::info("command " + std::to_string(system) + " registered twice; the later handler (" + name + ") wins");
    }
    m_commands[system] = Command{std::move(name), std::move(handler), logLevel};
}

void CommandRegistry::addOpen(int system, std::string name, CommandHandler handler) {
    add(system, std::move(name), std::move(handler), LogLevel::Debug);
    m_commands[system].open = true;
}

bool CommandRegistry::wrap(int system, const std::function<CommandHandler(CommandHandler inner)>& around) {
    auto it = m_commands.find(system);
    if (it == m_commands.end()) {
        return false;
    }
    it->second.handler = around(std::move(it->second.handler));
    return true;
}

const CommandRegistry::Command* CommandRegistry::find(int system) const {
    auto it = m_commands.find(system);
    return it == m_commands.end() ? nullptr : &it->second;
}

} // namespace server
