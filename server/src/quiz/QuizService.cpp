#include "quiz/QuizService.h"

#include "achievements/AchievementCounters.h"
#include "app/Log.h"
#include "app/ServerConfig.h"
#include "contests/ContestClock.h"
#include "quiz/AnswerJudge.h"
#include "quiz/AnswerRewards.h"
#include "quiz/BankRules.h"
#include "quiz/DailyQuestionList.h"
#include "quiz/QuestionView.h"
#include "referrals/ReferralStore.h"
#include "rewards/LuckyDraw.h"
#include "storage/PlayerStore.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace server::quiz {

namespace {

// "fail" of a refused answer. A refusal keeps "response" a number (0), so the client never reads
// it as a verdict; it only ever meets one when something sent what its screens never send.
constexpr int kFailNoQuestion = 1; // "qsid" is no number or names no question
constexpr int kFailNotAsked = 2;   // not handed out to this player today
constexpr int kFailAnswered = 3;   // answered already (a replay, or the loser of a race)
constexpr int kFailMalformed = 4;  // "answer" missing, not a text, or too long

// The verdict words of the answer screen; "nostart" is kept for contest answers.
constexpr const char* kVerdictRight = "success";
constexpr const char* kVerdictWrong = "fail";

// Accepts 12 as well as "12": the id is ours, its spelling the client's.
std::optional<int> idMember(const Json::Value& request, const char* key)
{
    const auto& v = request[key];
    if (v.isInt())
        return v.asInt();
    if (v.isString()) {
        const auto& text = v.asString();
        int n = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
        if (error == std::errc() && end == text.data() + text.size() && !text.empty())
            return n;
    }
    return std::nullopt;
}

int intMember(const Json::Value& request, const char* key) { return idMember(request, key).value_or(0); }

std::string textMember(const Json::Value& request, const char* key)
{
    const auto& v = request[key];
    if (v.isString())
        return v.asString();
    if (v.isInt())
        return std::to_string(v.asInt());
    return {};
}

std::string describe(const Json::Value& v)
{
    if (v.isNull())
        return "missing";
    if (v.isString())
        return "\"" + v.asString().substr(0, 24) + "\"";
    if (v.isIntegral())
        return v.isInt() ? std::to_string(v.asInt()) : "a number out of range";
    if (v.isDouble())
        return "a fraction";
    if (v.isBool())
        return "a truth value";
    return v.isArray() ? "a list" : "an object";
}

void putPlayer(Json::Value& out, const PlayerRecord& p)
{
    out["score"] = p.score;
    out["money"] = p.money;
    out["level"] = p.level;
    out["levelupscore"] = p.levelUpScore;
    out["answercount"] = p.answerCount;
}

// Every member the answer screen reads, so a refusal or a question without an ad still gives it
// zeros and empty texts rather than leaving it to guess.
Json::Value emptyVerdict()
{
    Json::Value out(Json::objectValue);
    out["response"] = 0;
    for (const char* key : {"addscore", "addmoney", "awardtype", "awardnum"})
        out[key] = 0;
    for (const char* key : {"explain", "answer", "adicon", "adname", "adinfo", "adurl", "apkname"})
        out[key] = "";
    return out;
}

// The question's advertisement rides on its verdict, right or wrong: the answer box shows it
// either way.
void putAd(Json::Value& out, const BankEntry& e)
{
    const auto& ad = e.body["ad"];
    if (!ad.isObject())
        return;
    out["adicon"] = ad["icon"].asString();
    out["adname"] = ad["name"].asString();
    out["adinfo"] = ad["info"].asString();
    out["adurl"] = ad["url"].asString();
    out["apkname"] = ad["apkname"].asString();
}

// What the verdict may show as the right answer: nothing where "right" is only a completion word
// or a mask or piece labels that mean nothing to the player.
std::string shownAnswer(const BankEntry& e)
{
    if (e.gameType == 1 && e.playType != 14)
        return e.right;
    if (e.gameType == 2 && (e.playType == 4 || e.playType == 7 || e.playType == 8 || e.playType == 9 ||
                            e.playType == 11 || e.playType == 12 || e.playType == 13))
        return e.right;
    return e.gameType >= 3 ? e.right : std::string();
}

} // namespace

QuizService::QuizService(ServerServices& services, DayClock today)
    : m_services(services), m_store(services.storage), m_media(services.config.mediaDir), m_today(std::move(today))
{
    rewards::LuckyDraw::migrate(m_services.storage);
}

Answer QuizService::questionIds(const Json::Value&, RequestContext& context)
{
    const int day = m_today();
    const auto ids = DailyQuestionList::build(m_store.questionIds(), m_store.answeredOn(context.playerId, day),
                                              context.playerId, day);
    Json::Value out(Json::objectValue);
    out["response"] = 1;
    out["idlist"] = Json::Value(Json::arrayValue);
    for (int id : ids)
        out["idlist"].append(id);
    return out;
}

Answer QuizService::question(const Json::Value& request, RequestContext& context)
{
    const int qsid = intMember(request, "qsid");
    const auto entry = m_store.find(qsid);
    if (!entry) {
        Log::refusal(context.peer, "question " + std::to_string(qsid) + " does not exist");
        Json::Value out(Json::objectValue);
        out["response"] = 0;
        out["fail"] = kFailNoQuestion;
        return out;
    }
    m_store.markAsked(context.playerId, m_today(), qsid);
    auto out = QuestionView::forClient(*entry);
    out["response"] = 1;
    return out;
}

Answer QuizService::answer(const Json::Value& request, RequestContext& context)
{
    Json::Value out = emptyVerdict();
    const auto qsid = idMember(request, "qsid");
    auto refuse = [&](int fail, const std::string& why) {
        const auto question = qsid ? std::to_string(*qsid) : "(qsid " + describe(request["qsid"]) + ")";
        Log::refusal("game " + context.peer, "answer of player " + std::to_string(context.playerId) +
                                                 " to question " + question + ": " + why + ", answered fail " +
                                                 std::to_string(fail));
        out["response"] = 0;
        out["fail"] = fail;
        context.logNote = why;
        // The answer screen copies the player's totals from every answer, refusals included.
        if (auto player = m_services.players.find(context.playerId))
            putPlayer(out, *player);
        return Answer(out);
    };
    if (!qsid)
        return refuse(kFailNoQuestion, "\"qsid\" is not a number");
    const auto entry = m_store.find(*qsid);
    if (!entry)
        return refuse(kFailNoQuestion, "no such question");
    const auto& submitted = request["answer"];
    if (!submitted.isString() && !submitted.isInt())
        return refuse(kFailMalformed, "the answer text is " + describe(submitted));
    const auto text = textMember(request, "answer");
    if (text.size() > BankRules::kMaxAnswerBytes)
        return refuse(kFailMalformed, "an answer text of " + std::to_string(text.size()) + " bytes");

    const bool right = AnswerJudge::isRight(*entry, text);
    auto rewards = AnswerRewards::forAnswer(*entry, right, intMember(request, "awardnum"));
    if (rewards.awardClaimOutOfRange) // paid as cut, should the answer count
        Log::refusal("game " + context.peer, "player " + std::to_string(context.playerId) + " claimed " +
                                                 describe(request["awardnum"]) + " from scratch card " +
                                                 std::to_string(*qsid) + ", paid " +
                                                 std::to_string(rewards.awardNum));
    // Claim, scratch award, payment record and the player's totals commit together or not at all.
    // The lock is let go before any refusal is logged.
    const int day = m_today();
    const int luckDay = contests::ContestClock::dayNumber(contests::ContestClock::nowMs(m_services.config));
    std::optional<PlayerRecord> player;
    auto claim = QuizStore::Claim::NotAsked;
    {
        auto tx = m_services.storage.transaction();
        claim = m_store.claimAnswer(tx, context.playerId, day, *qsid, right);
        if (claim == QuizStore::Claim::Claimed) {
            // The day's lucky draw may have multiplied what a right answer earns (its own local day).
            if (rewards.addScore > 0) {
                const double factor = rewards::LuckyDraw::multiplier(m_services.storage, context.playerId, luckDay);
                rewards.addScore = static_cast<int>(std::lround(rewards.addScore * factor));
            }
            if (rewards.awardNum > 0 &&
                !m_store.claimScratchAward(tx, context.playerId, *qsid, day, rewards.awardType, rewards.awardNum)) {
                context.logNote = "scratch award paid on an earlier day";
                rewards.dropAward();
            }
            m_store.recordPayment(tx, context.playerId, day, *qsid, rewards.totalScore(), rewards.totalMoney());
            player = m_services.players.addProgress(tx, context.playerId,
                                                    PlayerProgress{rewards.totalScore(), rewards.totalMoney(), 1});
            if (player) {
                // A referrer's reward for this player's play is paid with the answer that earned it.
                m_services.referrals.payAnswerReward(tx, *player, day);
                m_services.counters.answered(tx, context.playerId, right);
                tx.commit();
            }
        }
    }
    if (claim == QuizStore::Claim::NotAsked)
        return refuse(kFailNotAsked, "it was not handed out today");
    if (claim == QuizStore::Claim::AlreadyAnswered)
        return refuse(kFailAnswered, "it was answered already");
    if (!player)
        return refuse(kFailNotAsked, "the player record is gone"); // the claim was rolled back
    out["response"] = right ? kVerdictRight : kVerdictWrong;
    out["addscore"] = rewards.addScore;
    out["addmoney"] = rewards.addMoney;
    out["awardtype"] = rewards.awardType;
    out["awardnum"] = rewards.awardNum;
    out["explain"] = entry->body["explain"].asString();
    out["answer"] = shownAnswer(*entry);
    putAd(out, *entry);
    putPlayer(out, *player);
    return out;
}

Answer QuizService::media(const Json::Value& request, RequestContext& context)
{
    const auto name = textMember(request, "media");
    auto result = m_media.read(name);
    if (!result.bytes) {
        Log::refusal(context.peer, result.refusal);
        // An empty answer: the client reports it as a failed download instead of saving junk.
        return Answer::raw(std::string());
    }
    return Answer::raw(std::move(*result.bytes));
}

} // namespace server::quiz
