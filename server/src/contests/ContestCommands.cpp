#include "contests/ContestCommands.h"

#include "app/Log.h"
#include "commands/CommandRegistry.h"
#include "commands/LoggedReply.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "contests/ContestService.h"
#include "quiz/BankRules.h"
#include "storage/PlayerStore.h"

namespace server::contests {

namespace {

Answer logged(RequestContext& context, const char* command, ContestService::Reply reply) {
    return loggedReply(context, command, std::move(reply));
}

// Contests are for accounts: a guest's winnings would be lost with its device.
std::optional<Answer> guestRefusal(RequestContext& context, const char* command) {
    const auto player = context.players().find(context.playerId);
    if (player && !player->guest) {
        return std::nullopt;
    }
    ContestService::Reply reply;
    reply.answer["response"] = 0;
    reply.answer["tip"] = "游客不能参加比赛，请先注册账号。";
    reply.refusal = player ? "a guest" : "no player record";
    return logged(context, command, std::move(reply));
}

int number(const Json::Value& request, const char* name) { return Members::wholeNumber(request, name).value_or(-1); }

} // namespace

void ContestCommands::registerInto(CommandRegistry& game, ContestService& service, const ServerConfig& config) {
    game.add(26, "contest schedule", [&service, &config](const Json::Value&, RequestContext&) -> Answer {
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["matchact"] = service.schedule(ContestClock::nowMs(config));
        return answer;
    });

    game.add(27, "contest presence", [&service, &config](const Json::Value& request, RequestContext& context) -> Answer {
        if (auto guest = guestRefusal(context, "contest presence")) {
            return std::move(*guest);
        }
        return logged(context, "contest presence",
                      service.presence(context.playerId, number(request, "act"), number(request, "matchtype"),
                                       ContestClock::nowMs(config)));
    });

    game.add(28, "contest pairing", [&service, &config](const Json::Value& request, RequestContext& context) -> Answer {
        if (auto guest = guestRefusal(context, "contest pairing")) {
            return std::move(*guest);
        }
        const int act = number(request, "act");
        // For act 0 "challenge" is the asker's own session: the session already tells who asks.
        const auto challenger = act == 0 ? std::nullopt : Members::wholeNumber(request, "challenge");
        return logged(context, "contest pairing",
                      service.pairing(context.playerId, act, number(request, "matchtype"), challenger,
                                      ContestClock::nowMs(config)));
    });

    game.add(30, "contest answer", [&service, &config](const Json::Value& request, RequestContext& context) -> Answer {
        const Json::Value& submitted = request["answer"];
        ContestService::Reply reply;
        if (!submitted.isString() && !submitted.isInt()) {
            reply.answer["response"] = "nostart";
            reply.answer["tip"] = "答案有误。";
            reply.refusal = "the answer is " + Members::describe(request, "answer");
        } else {
            const std::string text = submitted.isString() ? submitted.asString() : std::to_string(submitted.asInt());
            if (text.size() > quiz::BankRules::kMaxAnswerBytes) {
                reply.answer["response"] = "nostart";
                reply.answer["tip"] = "答案有误。";
                reply.refusal = "an answer of " + std::to_string(text.size()) + " bytes";
            } else {
                reply = service.answer(context.playerId, Members::wholeNumber(request, "qsid"), text,
                                       ContestClock::nowMs(config));
            }
        }
        // The answer parser copies the player's totals from every answer, refusals included: read
        // them after the contest's lock is let go, so a result paid by this answer shows.
        if (const auto player = context.players().find(context.playerId)) {
            reply.answer["score"] = player->score;
            reply.answer["money"] = player->money;
            reply.answer["level"] = player->level;
            reply.answer["levelupscore"] = player->levelUpScore;
            reply.answer["answercount"] = player->answerCount;
        }
        if (!reply.answer.isMember("qsid")) {
            reply.answer["qsid"] = request["qsid"].isInt() ? request["qsid"] : Json::Value(0);
        }
        if (!reply.answer.isMember("addscore")) {
            reply.answer["addscore"] = 0;
            reply.answer["answer"] = "";
        }
        return logged(context, "contest answer", std::move(reply));
    });
}

} // namespace server::contests
