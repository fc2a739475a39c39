#include "treasure/TreasureCommands.h"

#include "commands/CommandRegistry.h"
#include "commands/LoggedReply.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "storage/PlayerStore.h"
#include "treasure/TreasureStore.h"

#include <memory>

namespace server::treasure {

namespace {

constexpr int kFailNothing = 1;     // dug already today / no full set
constexpr int kFailUnknownAct = 9;

struct Reply {
    Json::Value answer;
    std::string refusal;
};

Json::Value success() {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    return answer;
}

Reply refused(int fail, std::string why) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = fail;
    return {answer, std::move(why)};
}

int today(const ServerServices& services) {
    return contests::ContestClock::dayNumber(contests::ContestClock::nowMs(services.config));
}

Reply offer(TreasureStore& store, const ServerServices& services, int playerId) {
    const auto offer = store.offer(playerId, today(services), [] { return TreasureOdds::draw(); });
    Json::Value answer = success();
    answer["index"] = offer.dug ? 0 : offer.treasure.kind;
    answer["value"] = offer.dug ? 0 : offer.treasure.value;
    return {answer, {}};
}

Reply dig(TreasureStore& store, const ServerServices& services, int playerId) {
    const int day = today(services);
    const auto dug = store.dig(playerId, day, [] { return TreasureOdds::draw(); });
    if (!dug) {
        return refused(kFailNothing, "the treasure of " + std::to_string(day) + " was dug already");
    }
    Json::Value answer = success();
    answer["index"] = dug->treasure.kind;
    answer["value"] = dug->treasure.value;
    answer["score"] = dug->player.score;
    answer["money"] = dug->player.money;
    return {answer, {}};
}

Reply cards(TreasureStore& store, int playerId) {
    Json::Value answer = success();
    answer["caidanlist"] = Json::Value(Json::arrayValue);
    for (int count : store.cards(playerId)) {
        answer["caidanlist"].append(count);
    }
    return {answer, {}};
}

Reply exchange(TreasureStore& store, int playerId) {
    const auto player = store.exchangeSet(playerId);
    if (!player) {
        return refused(kFailNothing, "no full set of twelve cards to exchange");
    }
    Json::Value answer = success();
    answer["money"] = player->money;
    return {answer, {}};
}

} // namespace

void TreasureCommands::registerInto(CommandRegistry& game, ServerServices& services) {
    auto store = std::make_shared<TreasureStore>(services.storage, services.players, services.counters);
    game.add(17, "treasure", [store, &services](const Json::Value& request, RequestContext& context) -> Answer {
        const int player = context.playerId;
        switch (Members::wholeNumber(request, "act").value_or(0)) {
        case 1: return loggedReply(context, "treasure offer", offer(*store, services, player));
        case 2: return loggedReply(context, "treasure dig", dig(*store, services, player));
        case 3: return loggedReply(context, "zodiac cards", cards(*store, player));
        case 4: return loggedReply(context, "card exchange", exchange(*store, player));
        default:
            return loggedReply(context, "treasure",
                               refused(kFailUnknownAct, "unknown act " + Members::describe(request, "act")));
        }
    });
}

} // namespace server::treasure
