#include "commands/HeartbeatCommand.h"

#include "commands/CommandRegistry.h"
#include "commands/PushQueue.h"
#include "contests/ContestClock.h"

#include <utility>

namespace server {

void HeartbeatCommand::registerInto(CommandRegistry& game, const ServerConfig& config, QuestionFetched fetched,
                                    BeforeBeat before) {
    game.add(10, "heartbeat", [&config, fetched = std::move(fetched), before = std::move(before)](const Json::Value&, RequestContext& context) -> Answer {
        const std::int64_t now = contests::ContestClock::nowMs(config);
        if (before) {
            before(now);
        }
        auto beat = context.pushes().heartbeat(context.playerId, now);
        if (beat.message) {
            Json::Value& message = *beat.message;
            // The client reads the team-match status from any heartbeat answer it does not hand
            // to a contest screen, so every push carries it too.
            if (message.isObject() && !message.isMember("teammatchstatus")) {
                message["teammatchstatus"] = beat.teamMatchStatus;
            }
            if (fetched && std::as_const(message)["system"] == 29) {
                fetched(context.playerId, message, now);
            }
            return Answer(std::move(message));
        }
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["system"] = 10;
        answer["teammatchstatus"] = beat.teamMatchStatus;
        return answer;
    }, LogLevel::Debug); // a line per heartbeat would bury everything else
}

} // namespace server
