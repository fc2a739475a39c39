// One handler per "system" value of one server (the entry server and the game server each have
// their own registry: "system" 1 is registration on one and user information on the other).
//
// A handler gets the parsed request object and its context and returns the answer. It runs on an
// io thread (game server) or the work pool (entry server); it may throw, which is logged and
// answered with {"response": 0}. The dispatcher adds "system" to a JSON answer that lacks it.
#pragma once

#include "commands/Answer.h"
#include "commands/RequestContext.h"

#include <json/value.h>

#include <functional>
#include <unordered_map>

namespace server {

using CommandHandler = std::function<Answer(const Json::Value& request, RequestContext& context)>;

class CommandRegistry {
public:
    // A second handler for the same value replaces the first (and logs it).
    void add(int system, CommandHandler handler);
    const CommandHandler* find(int system) const;
    bool contains(int system) const { return find(system) != nullptr; }

private:
    std::unordered_map<int, CommandHandler> m_handlers;
};

} // namespace server
