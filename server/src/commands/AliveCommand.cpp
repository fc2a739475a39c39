#include "commands/AliveCommand.h"

#include "commands/CommandRegistry.h"

namespace server {

void AliveCommand::registerInto(CommandRegistry& game) {
    game.addOpen(kSystem, "alive", [](const Json::Value&, RequestContext&) -> Answer {
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        return answer;
    });
}

} // namespace server
