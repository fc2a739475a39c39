#include "referrals/ReferralCommands.h"

#include "accounts/AccountService.h"
#include "accounts/MaskedTel.h"
#include "app/Log.h"
#include "app/ServerConfig.h"
#include "commands/CommandRegistry.h"
#include "commands/Members.h"
#include "quiz/DailyQuestionList.h"
#include "referrals/ReferralReport.h"
#include "referrals/ReferralRules.h"
#include "storage/PlayerStore.h"

#include <algorithm>
#include <climits>

namespace server::referrals {

namespace {

// The client reads every figure as an int.
int clamped(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

// A refusal the client can read (its parsers take "response" 0) and the log keeps.
Json::Value refuse(RequestContext& context, const char* command, int fail, const std::string& why) {
    Log::refusal("game " + context.peer, std::string(command) + " of player " + std::to_string(context.playerId) +
                                             ": " + why + ", answered fail " + std::to_string(fail));
    context.logNote = why;
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = fail;
    return answer;
}

Answer statistics(const Json::Value&, RequestContext& context) {
    const auto s = ReferralReport(context.storage()).statistics(context.playerId, ReferralCommands::today(context.config()));
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["todayscore"] = clamped(s.todayScore);
    answer["todaymoney"] = clamped(s.todayMoney);
    answer["allright"] = clamped(s.allRight);
    answer["allwrong"] = clamped(s.allWrong);
    answer["rank"] = clamped(s.weekRank);
    answer["tuijiancount"] = clamped(s.referred);
    answer["huoyuecount"] = clamped(s.activeReferred);
    answer["tuijianprize"] = clamped(s.referralPrize);
    answer["regtime"] = clamped(s.regTime);
    return answer;
}

const char* referrerTip(int check) {
    switch (check) {
    case PlayerStore::AlreadyReferred:
        return "您已经填写过推荐人，不能再次修改。";
    case PlayerStore::ReferrerIsSelf:
        return "不能填写自己为推荐人。";
    case PlayerStore::ReferrerCycle:
        return "对方是由您推荐的玩家，不能互为推荐人。";
    case PlayerStore::GuestCannotRefer:
        return "游客不能填写推荐人，请先注册账号。";
    default:
        return "推荐人编号不存在，请确认后重新输入。";
    }
}

Answer setReferrer(const Json::Value& request, RequestContext& context) {
    PlayerStore& players = context.players();
    const auto given = Members::wholeNumber(request, "tuijianrenid");
    int check = PlayerStore::ReferrerUnknown;
    std::string why;
    if (!given || *given <= 0) {
        why = "\"tuijianrenid\" is " + Members::describe(request, "tuijianrenid") + ", not a player id";
    } else {
        check = players.setReferrer(context.playerId, *given);
        why = AccountService::referrerRefusal(check);
        why += " (" + std::to_string(*given) + ")";
    }
    const auto player = players.find(context.playerId);
    const int current = player ? player->referrerId : 0;
    if (check == PlayerStore::ReferrerOk) {
        context.logNote = "referrer " + std::to_string(current);
        Json::Value answer(Json::objectValue);
        answer["response"] = 1;
        answer["tuijianrenid"] = current;
        return answer;
    }
    Json::Value answer = refuse(context, "set referrer", check, why);
    answer["tip"] = referrerTip(check);
    // The client stores this member whatever the verdict: a refusal must not wipe the referrer
    // it already has.
    answer["tuijianrenid"] = current;
    return answer;
}

Answer referralList(const Json::Value& request, RequestContext& context) {
    const auto page = Members::wholeNumber(request, "page");
    if (!page || *page < 0) {
        return refuse(context, "referral list", 1, "\"page\" is " + Members::describe(request, "page"));
    }
    const int today = ReferralCommands::today(context.config());
    const auto rows = ReferralReport(context.storage()).referred(context.playerId, *page, today);
    Json::Value list(Json::arrayValue);
    for (const auto& r : rows) {
        Json::Value item(Json::objectValue);
        item["recommenduuid"] = r.id;
        // The referrer sees whom he brought in, but not their whole mobile number.
        item["tel"] = maskedTel(r.tel);
        item["regdate"] = r.regDate;
        item["rightcount"] = clamped(r.rightCount);
        item["wrongcount"] = clamped(r.wrongCount);
        item["money"] = clamped(r.money);
        item["score"] = clamped(r.score);
        item["todaymoney"] = clamped(r.todayMoney);
        item["todayscore"] = clamped(r.todayScore);
        item["todayanswercount"] = clamped(r.todayAnswers);
        item["onlinetime"] = clamped(r.onlineSeconds);
        item["monthlogindays"] = clamped(r.monthLoginDays);
        item["logindays"] = clamped(r.loginDays);
        item["lasthuoyue"] = r.lastActiveDay;
        list.append(std::move(item));
    }
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["page"] = *page;
    answer["tuijian"] = std::move(list);
    return answer;
}

} // namespace

int ReferralCommands::today(const ServerConfig& config) {
    return config.quizDay ? config.quizDay() : quiz::DailyQuestionList::today();
}

void ReferralCommands::registerInto(CommandRegistry& game) {
    game.add(50, "referral list", referralList);
    game.add(51, "statistics", statistics);
    game.add(52, "set referrer", setReferrer);
}

} // namespace server::referrals
