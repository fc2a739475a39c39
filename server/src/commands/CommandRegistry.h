// One handler per "system" value of one server (the entry server and the game server each have
// their own registry: "system" 1 is registration on one and user information on the other).
//
// A handler gets the parsed request object and its context and returns the answer. It runs on an
// io thread (game server) or the work pool (entry server); it may throw, which is logged and
// answered with {"response": 0}. The dispatcher adds "system" to a JSON answer that lacks it.
//
// Each command has a short name for the request log and the level its log line needs: routine
// traffic (heartbeats) is logged one line a request only at debug level.
#pragma once

#include "app/Log.h"
#include "commands/Answer.h"
#include "commands/RequestContext.h"

#include <json/value.h>

#include <functional>
#include <string>
#include <unordered_map>

namespace server {

using CommandHandler = std::function<Answer(const Json::Value& request, RequestContext& context)>;

class CommandRegistry {
public:
    struct Command {
        std::string name;
        CommandHandler handler;
        LogLevel logLevel = LogLevel::Info;
        bool open = false; // game server: answered without a session
    };

    // A second handler for the same value replaces the first (and logs it).
    void add(int system, std::string name, CommandHandler handler, LogLevel logLevel = LogLevel::Info);
    // A command any caller may ask, session or not; logged one line a request only at debug level
    // and left out of the heartbeat count.
    void addOpen(int system, std::string name, CommandHandler handler);
    const Command* find(int system) const;
    // Puts a handler around the registered one (which it gets to call); false when there is none.
    bool wrap(int system, const std::function<CommandHandler(CommandHandler inner)>& around);
    bool contains(int system) const { return find(system) != nullptr; }

private:
    std::unordered_map<int, Command> m_commands;
};

} // namespace server
