// A command's answer with the refusal it may carry: a refusal goes to the log and onto the
// request's log line, and the player gets the answer either way.
#pragma once

#include "app/Log.h"
#include "commands/Answer.h"
#include "commands/RequestContext.h"

#include <string>
#include <utility>

namespace server {

// `Reply` is any { Json::Value answer; std::string refusal; }.
template <class Reply> Answer loggedReply(RequestContext& context, const char* command, Reply reply) {
    if (!reply.refusal.empty()) {
        Log::refusal("game " + context.peer,
                     std::string(command) + " of player " + std::to_string(context.playerId) + ": " + reply.refusal);
        context.logNote = reply.refusal;
    }
    return Answer(std::move(reply.answer));
}

} // namespace server
