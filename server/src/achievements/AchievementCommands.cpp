#include "achievements/AchievementCommands.h"

#include "achievements/AchievementCatalogue.h"
#include "achievements/AchievementClaims.h"
#include "app/ServerConfig.h"
#include "commands/CommandRegistry.h"
#include "commands/LoggedReply.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "storage/PlayerStore.h"

#include <algorithm>
#include <map>
#include <memory>

namespace server::achievements {

namespace {

// "fail" of a refused claim, as the achievement screen's contract names them.
constexpr int kFailUnknown = 1;
constexpr int kFailUnfinished = 2;
constexpr int kFailTaken = 3;
constexpr int kFailUnknownAct = 9;

struct Reply {
    Json::Value answer;
    std::string refusal;
};

Reply refused(int fail, std::string why) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = fail;
    return {answer, std::move(why)};
}

class Achievements {
public:
    Achievements(ServerServices& services, AchievementCatalogue catalogue)
        : m_services(services), m_catalogue(std::move(catalogue)), m_claims(services.storage) {}

    Json::Value list(int playerId) {
        const auto taken = m_claims.claimed(playerId);
        std::map<Counter, int> counts;
        Json::Value list(Json::arrayValue);
        for (const auto& a : m_catalogue.all()) {
            auto known = counts.find(a.counter);
            if (known == counts.end()) {
                known = counts.emplace(a.counter, m_services.counters.value(playerId, a.counter)).first;
            }
            Json::Value entry(Json::objectValue);
            entry["id"] = a.id;
            entry["prize"] = taken.count(a.id) != 0 ? 1 : 0;
            entry["done"] = a.target;
            // The screen shows "do/done": a streak of 15 reads 3/3 on the three-day achievement.
            entry["do"] = std::min(known->second, a.target);
            entry["name"] = a.name;
            entry["desc"] = a.desc;
            entry["img"] = a.img;
            list.append(entry);
        }
        return list;
    }

    Reply show(int playerId) {
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["achvlist"] = list(playerId);
        return {answer, {}};
    }

    Reply claim(const Json::Value& request, int playerId) {
        const auto id = Members::wholeNumber(request, "achvId");
        const auto achievement = id ? m_catalogue.find(*id) : std::nullopt;
        if (!achievement) {
            return refused(kFailUnknown, "no achievement " + Members::describe(request, "achvId"));
        }
        const std::string name = "achievement " + std::to_string(achievement->id);
        std::optional<PlayerRecord> player;
        {
            // Counter check, claim row and score in one transaction: the count cannot move under
            // the check, and a claim that is not paid is not kept.
            auto tx = m_services.storage.transaction();
            const int done = m_services.counters.value(playerId, achievement->counter);
            if (done < achievement->target) {
                return refused(kFailUnfinished, name + " is at " + std::to_string(done) + " of " +
                                                    std::to_string(achievement->target));
            }
            if (!m_claims.claim(tx, playerId, achievement->id, achievement->prize,
                                contests::ContestClock::nowMs(m_services.config))) {
                return refused(kFailTaken, name + " was claimed before");
            }
            player = m_services.players.addProgress(tx, playerId, PlayerProgress{achievement->prize, 0, 0});
            if (!player) {
                return refused(kFailUnknown, "the player record is gone");
            }
            tx.commit();
        }
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["achvlist"] = list(playerId);
        answer["addscore"] = achievement->prize;
        answer["score"] = player->score;
        answer["levelupscore"] = player->levelUpScore;
        answer["level"] = player->level;
        answer["money"] = player->money;
        return {answer, {}};
    }

private:
    ServerServices& m_services;
    AchievementCatalogue m_catalogue;
    AchievementClaims m_claims;
};

} // namespace

void AchievementCommands::registerInto(CommandRegistry& game, ServerServices& services) {
    const std::string file = services.config.dataDir.empty() ? std::string("achievements.json")
                                                             : services.config.dataDir + "/achievements.json";
    auto achievements = std::make_shared<Achievements>(services, AchievementCatalogue::fromFile(file));
    game.add(14, "achievements", [achievements](const Json::Value& request, RequestContext& context) -> Answer {
        const std::string act = Members::text(request, "act", 16);
        if (act == "show") {
            return loggedReply(context, "achievement list", achievements->show(context.playerId));
        }
        if (act == "askprize") {
            return loggedReply(context, "achievement claim", achievements->claim(request, context.playerId));
        }
        return loggedReply(context, "achievements",
                           refused(kFailUnknownAct, "unknown act " + Members::describe(request, "act")));
    });
}

} // namespace server::achievements
