#include "commands/HeartbeatCommand.h"

#include "commands/CommandRegistry.h"
#include "commands/PushQueue.h"

namespace server {

void HeartbeatCommand::registerInto(CommandRegistry& game) {
    game.add(10, "heartbeat", [](const Json::Value&, RequestContext& context) -> Answer {
        PushQueue& pushes = context.pushes();
        const int status = pushes.teamMatchStatus(context.playerId);
        if (auto message = pushes.pop(context.playerId)) {
            // The client reads the team-match status from any heartbeat answer it does not hand
            // to a contest screen, so every push carries it too.
            if (message->isObject() && !message->isMember("teammatchstatus")) {
                (*message)["teammatchstatus"] = status;
            }
            return Answer(std::move(*message));
        }
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["system"] = 10;
        answer["teammatchstatus"] = status;
        return answer;
    }, LogLevel::Debug); // a line per heartbeat would bury everything else
}

} // namespace server
