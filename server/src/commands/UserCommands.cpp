#include "commands/UserCommands.h"

#include "accounts/AccountService.h"
#include "app/Log.h"
#include "commands/CommandRegistry.h"
#include "commands/Members.h"
#include "storage/PlayerStore.h"

#include <regex>

namespace server {

namespace {

bool validNickname(const std::string& nickname) {
    return !nickname.empty() && nickname.size() <= 18 && nickname.find(' ') == std::string::npos;
}

bool validEmail(const std::string& email) {
    if (email.empty()) {
        return true; // the profile form may leave it blank
    }
    static const std::regex pattern(R"(([0-9A-Za-z\-_\.]+)@([0-9a-z]+\.[a-z]{2,3}(\.[a-z]{2})?))");
    return email.size() <= 64 && std::regex_match(email, pattern);
}

Answer refused(const char* tip) {
    Answer answer = Answer::refused();
    answer.json["tip"] = tip;
    return answer;
}

Answer changeProfile(const Json::Value& request, RequestContext& context) {
    auto player = context.players().find(context.playerId);
    if (!player) {
        return Answer::refused();
    }
    const std::string nickname = Members::text(request, "nickname", 64);
    const std::string email = Members::text(request, "email", 80);
    if (!validNickname(nickname)) {
        return refused("昵称需为1到18个字节且不含空格。");
    }
    if (!validEmail(email)) {
        return refused("邮箱格式不正确。");
    }
    const int sex = Members::integer(request, "sex");
    context.players().updateProfile(context.playerId, nickname, email, Members::text(request, "tel", 20),
                                    Members::text(request, "home", 100), Members::integer(request, "birthday"),
                                    sex >= 0 && sex <= 2 ? sex : 0);
    player = context.players().find(context.playerId);
    return player ? Answer(UserCommands::userInfo(*player)) : Answer::refused();
}

} // namespace

const char* UserCommands::levelTitle(int level) {
    if (level <= 10) {
        return "初出茅庐";
    }
    if (level <= 20) {
        return "小有名气";
    }
    if (level <= 40) {
        return "才高八斗";
    }
    if (level <= 60) {
        return "学富五车";
    }
    if (level <= 80) {
        return "博古通今";
    }
    if (level <= 90) {
        return "一代宗师";
    }
    return "智慧之王";
}

Json::Value UserCommands::userInfo(const PlayerRecord& p) {
    Json::Value v(Json::objectValue);
    v["response"] = 1;
    v["weekscore"] = p.weekScore;
    v["score"] = p.score;
    v["levelupscore"] = p.levelUpScore;
    v["level"] = p.level;
    v["money"] = p.money;
    v["sex"] = p.sex;
    v["answercount"] = p.answerCount;
    v["lastrank"] = p.lastRank;
    v["rankprizemoney"] = p.rankPrizeMoney;
    v["brankpop"] = p.rankPrizeMoney > 0 ? 1 : 0; // last week paid a prize: the client may tell him
    v["uuid"] = p.id;
    v["tuijianrenid"] = p.referrerId;
    v["title"] = levelTitle(p.level);
    v["tel"] = p.tel;
    v["email"] = p.email;
    v["nickname"] = p.nickname;
    v["binfo"] = p.infoFilled ? 1 : 0;
    return v;
}

void UserCommands::registerInto(CommandRegistry& game, AccountService& accounts) {
    game.add(1, "user info", [&accounts](const Json::Value& request, RequestContext& context) -> Answer {
        const std::string act = Members::text(request, "act", 16);
        if (act == "change") {
            return changeProfile(request, context);
        }
        if (act == "changepwd") {
            const auto outcome = accounts.changePassword(context.playerId, Members::text(request, "oldpwd", 64),
                                                         Members::text(request, "newpwd", 64));
            Json::Value answer(Json::objectValue);
            answer["response"] = outcome.ok ? 1 : 0;
            if (!outcome.ok) {
                answer["fail"] = outcome.fail;
                answer["tip"] = outcome.tip;
                context.logNote = outcome.why;
                Log::refusal("game " + context.peer, "password change of player " +
                                                         std::to_string(context.playerId) + ": " + outcome.why);
            }
            return answer;
        }
        auto player = context.players().find(context.playerId);
        return player ? Answer(userInfo(*player)) : Answer::refused();
    });

    game.add(16, "location", [](const Json::Value& request, RequestContext& context) -> Answer {
        context.players().updateLocation(context.playerId, Members::real(request, "lat"), Members::real(request, "lng"),
                                         Members::text(request, "city", 64));
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        return answer;
    });
}

} // namespace server
