#include "rewards/RewardCommands.h"

#include "commands/CommandRegistry.h"
#include "commands/LoggedReply.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "rankings/WeeklyRanking.h"
#include "rewards/LuckyDraw.h"
#include "rewards/SignIn.h"

namespace server::rewards {

int RewardCommands::today(const ServerConfig& config) {
    return contests::ContestClock::dayNumber(contests::ContestClock::nowMs(config));
}

void RewardCommands::registerInto(CommandRegistry& game, SignIn& signIn, LuckyDraw& luck,
                                  rankings::WeeklyRanking& weekly, const ServerConfig& config) {
    game.add(11, "sign-in", [&signIn, &luck, &config](const Json::Value& request, RequestContext& context) -> Answer {
        const std::string act = Members::text(request, "act", 16);
        const std::string req = Members::text(request, "req", 16);
        const int day = today(config);
        RewardReply reply;
        if (act == "everyday" && req == "data") {
            reply = signIn.data(context.playerId, day);
        } else if (act == "everyday" && req == "sign") {
            reply = signIn.sign(context.playerId, day);
        } else if (act == "luck" && req == "data") {
            reply = luck.data(context.playerId, day);
        } else if (act == "luck" && req == "sign") {
            reply = luck.draw(context.playerId, day);
        } else {
            reply.answer["response"] = 0;
            reply.answer["fail"] = 3;
            reply.refusal = "unknown act " + Members::describe(request, "act") + " req " + Members::describe(request, "req");
        }
        return loggedReply(context, "sign-in", std::move(reply));
    });

    game.add(13, "weekly ranking", [&weekly, &config](const Json::Value&, RequestContext& context) -> Answer {
        return Answer(weekly.page(context.playerId, today(config)));
    });
}

} // namespace server::rewards
