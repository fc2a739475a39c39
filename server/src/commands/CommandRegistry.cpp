#include "commands/CommandRegistry.h"

#include "app/Log.h"

namespace server {

void CommandRegistry::add(int system, CommandHandler handler) {
    if (m_handlers.count(system) != 0) {
        Log::info("command " + std::to_string(system) + " registered twice; the later handler wins");
    }
    m_handlers[system] = std::move(handler);
}

const CommandHandler* CommandRegistry::find(int system) const {
    auto it = m_handlers.find(system);
    return it == m_handlers.end() ? nullptr : &it->second;
}

} // namespace server
