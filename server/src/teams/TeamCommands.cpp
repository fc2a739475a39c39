#include "teams/TeamCommands.h"

#include "app/Log.h"
#include "commands/CommandRegistry.h"
#include "commands/LoggedReply.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "contests/ContestRules.h"
#include "exams/ExamService.h"
#include "quiz/BankRules.h"
#include "rankings/ContestRanking.h"
#include "storage/PlayerStore.h"
#include "teams/TeamService.h"

namespace server::teams {

namespace {

struct Reply {
    Json::Value answer;
    std::string refusal;
};

template <class R> Answer logged(RequestContext& context, const char* command, R reply) {
    return loggedReply(context, command, std::move(reply));
}

// Teams and exams pay and keep results: a guest's would be lost with its device.
std::optional<Answer> guestRefusal(RequestContext& context, const char* command) {
    const auto player = context.players().find(context.playerId);
    if (player && !player->guest) {
        return std::nullopt;
    }
    Reply reply;
    reply.answer["response"] = 0;
    reply.answer["tip"] = "游客不能参加战队和考试，请先注册账号。";
    reply.refusal = player ? "a guest" : "no player record";
    return logged(context, command, std::move(reply));
}

std::optional<int> id(const Json::Value& request, const char* name) { return Members::wholeNumber(request, name); }

void addTotals(Json::Value& answer, RequestContext& context) {
    if (const auto player = context.players().find(context.playerId)) {
        answer["score"] = player->score;
        answer["money"] = player->money;
        answer["level"] = player->level;
        answer["levelupscore"] = player->levelUpScore;
        answer["answercount"] = player->answerCount;
    }
}

using Handler = std::function<Answer(const Json::Value&, RequestContext&, std::int64_t now)>;

// A guarded team or exam command on the contest clock.
CommandHandler guarded(const ServerConfig& config, const char* name, Handler handler) {
    return [&config, name, handler = std::move(handler)](const Json::Value& request, RequestContext& context) -> Answer {
        if (auto guest = guestRefusal(context, name)) {
            return std::move(*guest);
        }
        return handler(request, context, contests::ContestClock::nowMs(config));
    };
}

} // namespace

void TeamCommands::registerInto(CommandRegistry& game, TeamService& teams, exams::ExamService& exams,
                                const ServerConfig& config) {
    game.add(36, "create team", guarded(config, "create team", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        return logged(c, "create team", teams.create(c.playerId, r["teamname"], now));
    }));
    game.add(37, "join team", guarded(config, "join team", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        Log::debug("join: the client names the creator as " + Members::describe(r, "teamleader"));
        return logged(c, "join team", teams.join(c.playerId, id(r, "teamid"), now));
    }));
    game.add(39, "team", guarded(config, "team", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        return logged(c, "team", teams.info(id(r, "teamid"), now));
    }));
    game.add(40, "team list", guarded(config, "team list", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        // A missing "act" is the list; anything there that is not a number is refused.
        const int act = r.isMember("act") ? id(r, "act").value_or(-1) : 0;
        if (act == 1) {
            return logged(c, "team ranking", teams.ranking(c.playerId, now));
        }
        if (act != 0) {
            Reply reply;
            reply.answer["response"] = 0;
            reply.answer["tip"] = "请求有误。";
            reply.refusal = "act " + Members::describe(r, "act");
            return logged(c, "team list", std::move(reply));
        }
        return logged(c, "team list", teams.list(c.playerId, id(r, "page").value_or(0), now));
    }));
    game.add(41, "dismiss team", guarded(config, "dismiss team", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        return logged(c, "dismiss team", teams.dismiss(c.playerId, id(r, "teamid"), now));
    }));
    game.add(42, "team sign-up", guarded(config, "team sign-up", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        return logged(c, "team sign-up", teams.signUp(c.playerId, id(r, "matchid"), id(r, "teamid"), now));
    }));
    game.add(43, "cancel sign-up", guarded(config, "cancel sign-up", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        return logged(c, "cancel sign-up", teams.cancelSignUp(c.playerId, id(r, "matchid"), id(r, "teamid"), now));
    }));
    game.add(44, "quit team", guarded(config, "quit team", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        return logged(c, "quit team", teams.quit(c.playerId, id(r, "teamid"), now));
    }));
    game.add(45, "kick member", guarded(config, "kick member", [&teams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        return logged(c, "kick member", teams.kick(c.playerId, id(r, "userid"), id(r, "teamid"), now));
    }));

    game.add(48, "match question ids", guarded(config, "match question ids", [&teams, &exams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        const int type = id(r, "matchtype").value_or(0);
        if (type == contests::kTeams) {
            return logged(c, "match question ids", teams.questionIds(c.playerId, id(r, "matchid"), now));
        }
        if (type == contests::kExam) {
            return logged(c, "match question ids", exams.questionIds(c.playerId, id(r, "matchid"), now));
        }
        Reply reply;
        reply.answer["response"] = 0;
        reply.answer["idlist"] = Json::Value(Json::arrayValue);
        reply.answer["tip"] = "请求有误。";
        reply.refusal = "match type " + Members::describe(r, "matchtype");
        return logged(c, "match question ids", std::move(reply));
    }));
    game.add(46, "match question", guarded(config, "match question", [&teams, &exams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        const int type = id(r, "matchtype").value_or(0);
        if (type == contests::kTeams) {
            return logged(c, "match question", teams.question(c.playerId, id(r, "qsid"), now));
        }
        if (type == contests::kExam) {
            return logged(c, "match question", exams.question(c.playerId, id(r, "qsid"), now));
        }
        Reply reply;
        reply.answer["response"] = 0;
        reply.answer["tip"] = "请求有误。";
        reply.refusal = "match type " + Members::describe(r, "matchtype");
        return logged(c, "match question", std::move(reply));
    }));
    game.add(47, "match answer", guarded(config, "match answer", [&teams, &exams](const Json::Value& r, RequestContext& c, std::int64_t now) {
        const int type = id(r, "matchtype").value_or(0);
        const Json::Value& submitted = r["answer"];
        Reply reply;
        if (!submitted.isString() && !submitted.isInt()) {
            reply.answer["response"] = "nostart";
            reply.answer["tip"] = "答案有误。";
            reply.refusal = "the answer is " + Members::describe(r, "answer");
        } else {
            const std::string text = submitted.isString() ? submitted.asString() : std::to_string(submitted.asInt());
            if (text.size() > quiz::BankRules::kMaxAnswerBytes) {
                reply.answer["response"] = "nostart";
                reply.answer["tip"] = "答案有误。";
                reply.refusal = "an answer of " + std::to_string(text.size()) + " bytes";
            } else if (type == contests::kTeams) {
                auto got = teams.answer(c.playerId, id(r, "qsid"), text, now);
                reply = {std::move(got.answer), std::move(got.refusal)};
            } else if (type == contests::kExam) {
                auto got = exams.answer(c.playerId, id(r, "qsid"), text, now);
                reply = {std::move(got.answer), std::move(got.refusal)};
            } else {
                reply.answer["response"] = "nostart";
                reply.answer["tip"] = "请求有误。";
                reply.refusal = "match type " + Members::describe(r, "matchtype");
            }
        }
        // Read after the answer: an exam's last answer pays its carrots at once.
        addTotals(reply.answer, c);
        if (!reply.answer.isMember("qsid")) {
            reply.answer["qsid"] = id(r, "qsid").value_or(0);
        }
        if (!reply.answer.isMember("addscore")) {
            reply.answer["addscore"] = 0;
            reply.answer["answer"] = "";
        }
        return logged(c, "match answer", std::move(reply));
    }));
    game.add(49, "latest results", guarded(config, "latest results", [&teams, &exams](const Json::Value&, RequestContext& c, std::int64_t now) {
        teams.tick(now);
        exams.tick(now);
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["prizearray"] = Json::Value(Json::arrayValue);
        for (Json::Value item : {teams.latestResult(c.playerId), exams.latestResult(c.playerId)}) {
            if (!item.isNull()) {
                answer["prizearray"].append(std::move(item));
            }
        }
        return Answer(std::move(answer));
    }));
    game.add(33, "contest ranking", guarded(config, "contest ranking", [&exams](const Json::Value& r, RequestContext& c, std::int64_t) {
        const int type = id(r, "matchtype").value_or(0);
        if (type == contests::kOneToOne || type == contests::kKing) {
            return Answer(rankings::ContestRanking::ofContests(c.services, c.playerId, type));
        }
        if (type == contests::kExam) {
            return Answer(exams.ranking(c.playerId));
        }
        Reply reply;
        reply.answer["response"] = 0;
        reply.answer["tip"] = "没有这个排行榜。";
        reply.refusal = "match type " + Members::describe(r, "matchtype");
        return logged(c, "contest ranking", std::move(reply));
    }));

    // The schedule: the contests' entries, with the team match and the exam filled in.
    game.wrap(26, [&config, &teams, &exams](CommandHandler inner) -> CommandHandler {
        return [&config, &teams, &exams, inner = std::move(inner)](const Json::Value& r, RequestContext& c) {
            Answer answer = inner(r, c);
            const std::int64_t now = contests::ContestClock::nowMs(config);
            for (auto& entry : answer.json["matchact"]) {
                const int type = entry["matchtype"].asInt();
                if (type == contests::kTeams) {
                    teams.fillScheduleEntry(entry, now);
                } else if (type == contests::kExam) {
                    exams.fillScheduleEntry(entry, now);
                }
            }
            return answer;
        };
    });
    // 27 act 4 for team play and the exam; everything else stays with the contests.
    game.wrap(27, [&config, &teams, &exams](CommandHandler inner) -> CommandHandler {
        return [&config, &teams, &exams, inner = std::move(inner)](const Json::Value& r, RequestContext& c) {
            const int type = id(r, "matchtype").value_or(0);
            if (id(r, "act").value_or(0) != 4 || (type != contests::kTeams && type != contests::kExam)) {
                return inner(r, c);
            }
            if (auto guest = guestRefusal(c, "leave match")) {
                return std::move(*guest);
            }
            const std::int64_t now = contests::ContestClock::nowMs(config);
            if (type == contests::kTeams) {
                return logged(c, "leave match", teams.leave(c.playerId, now));
            }
            return logged(c, "leave match", exams.leave(c.playerId, now));
        };
    });
}

} // namespace server::teams
