#include "commands/ContentCommands.h"

#include "app/ServerConfig.h"
#include "commands/CommandRegistry.h"
#include "app/Log.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "storage/ContentStore.h"
#include "storage/PlayerStore.h"

#include <algorithm>
#include <optional>
#include <string>

namespace server {

namespace {

Json::Value success() {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    return answer;
}

Answer joinEvent(ContentStore& content, const Json::Value& request, RequestContext& context) {
    // "fail" as the events screen reads it: 1 not enough gold carrots, 2 over or unknown,
    // 3 joined already.
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    const int eventId = Members::integer(request, "hdid");
    const Json::Value event = content.event(eventId);
    const int today = ContentCommands::today(context.config());
    auto refuse = [&](int fail, const std::string& why) {
        answer["fail"] = fail;
        Log::refusal("game " + context.peer, "event join of player " + std::to_string(context.playerId) + " to event " +
                                                 Members::describe(request, "hdid") + ": " + why);
        context.logNote = why;
        return Answer(answer);
    };
    if (event.isNull() || today < event["date"].asInt() || today > event["enddate"].asInt()) {
        return refuse(2, "no such event running today");
    }
    const int cost = std::max(event["needmoney"].asInt(), 0);
    std::optional<PlayerRecord> after;
    {
        // The join and its price commit together: two racing joins pay once.
        auto tx = context.storage().transaction();
        if (!content.recordJoin(context.playerId, eventId)) {
            return refuse(3, "joined already");
        }
        after = context.players().addProgress(tx, context.playerId, {0, -cost, 0});
        if (!after) {
            return refuse(1, "not enough gold carrots for " + std::to_string(cost));
        }
        tx.commit();
    }
    answer["response"] = 1;
    answer["money"] = after->money;
    return answer;
}

// The wall of --wall-at joins the stored ones unless one stands at that index already: the client
// opens every entry that matches, and two walls in a row would only ask the player twice.
Json::Value withConfiguredWall(Json::Value walls, int wallAt) {
    if (wallAt <= 0) {
        return walls;
    }
    for (const auto& wall : walls) {
        if (wall["index"].asInt() == wallAt) {
            return walls;
        }
    }
    Json::Value wall(Json::objectValue);
    wall["index"] = wallAt;
    wall["sdkplattype"] = 0;
    walls.append(wall);
    return walls;
}

} // namespace

int ContentCommands::today(const ServerConfig& config) {
    return contests::ContestClock::dayNumber(contests::ContestClock::nowMs(config));
}

void ContentCommands::registerInto(CommandRegistry& game, ContentStore& content) {
    game.add(12, "notices", [&content](const Json::Value& request, RequestContext&) -> Answer {
        // "act" 0: the rolling band of the main menu; 1: the notice board shown once per run.
        const int act = Members::integer(request, "act") == 1 ? 1 : 0;
        Json::Value answer = success();
        answer["act"] = act;
        answer["notice"] = content.items(act == 0 ? ContentStore::kRoll : ContentStore::kBoard);
        return answer;
    });

    game.add(15, "events", [&content](const Json::Value& request, RequestContext& context) -> Answer {
        if (Members::integer(request, "act") == 1) {
            return joinEvent(content, request, context);
        }
        Json::Value answer = success();
        Json::Value list(Json::arrayValue);
        const int now = today(context.config());
        for (const auto& event : content.items(ContentStore::kEvent)) {
            if (event["date"].asInt() <= now && event["enddate"].asInt() >= now) {
                list.append(event);
            }
        }
        answer["huodong"] = list;
        return answer;
    });

    game.add(21, "explains", [&content](const Json::Value&, RequestContext&) -> Answer {
        Json::Value answer = success();
        answer["explains"] = content.items(ContentStore::kExplain);
        return answer;
    });

    game.add(23, "walls", [&content](const Json::Value&, RequestContext& context) -> Answer {
        Json::Value answer = success();
        answer["sdkplat"] = withConfiguredWall(content.items(ContentStore::kWall), context.config().wallAt);
        return answer;
    });

    game.add(25, "ad report", [&content](const Json::Value& request, RequestContext& context) -> Answer {
        const int qsid = Members::integer(request, "qsid");
        const int gametype = Members::integer(request, "gametype");
        content.recordAdReport(context.playerId, qsid, gametype);
        // The client marks its advertisement row by the question these two name.
        Json::Value answer = success();
        answer["qsid"] = qsid;
        answer["qstype"] = gametype;
        return answer;
    });

}

} // namespace server
