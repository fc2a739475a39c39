// Command 10, the heartbeat: answers with the oldest message waiting for the player (one per
// heartbeat) or, when none waits, {"response": 1, "teammatchstatus": N}.
//
// A contest question (push 29) starts that player's clock for the question the moment it leaves,
// so the heartbeat tells the contests when one does. It also keeps the time of each heartbeat,
// which tells the contests who is still there. Both without touching the database.
#pragma once

#include <json/value.h>

#include <cstdint>
#include <functional>

namespace server {

class CommandRegistry;
struct ServerConfig;

class HeartbeatCommand {
public:
    using QuestionFetched = std::function<void(int playerId, const Json::Value& push, std::int64_t nowMs)>;
    // Runs before each heartbeat is answered: the team match sets the players' statuses there.
    using BeforeBeat = std::function<void(std::int64_t nowMs)>;
    static void registerInto(CommandRegistry& game, const ServerConfig& config, QuestionFetched fetched = {},
                             BeforeBeat before = {});
};

} // namespace server
