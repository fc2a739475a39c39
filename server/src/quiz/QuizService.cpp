#include "quiz/QuizService.h"

#include "app/Log.h"
#include "app/ServerConfig.h"
#include "quiz/AnswerJudge.h"
#include "quiz/AnswerRewards.h"
#include "quiz/DailyQuestionList.h"
#include "quiz/QuestionView.h"
#include "storage/PlayerStore.h"

namespace server::quiz {

namespace {

// Refusal reasons in "fail" of a refused answer.
constexpr int kFailNoQuestion = 1;
constexpr int kFailNotAsked = 2;
constexpr int kFailAnswered = 3;

// Accepts 12 as well as "12": the id is ours, its spelling the client's.
int intMember(const Json::Value& request, const char* key)
{
    const auto& v = request[key];
    if (v.isInt())
        return v.asInt();
    if (v.isString()) {
        try {
            std::size_t used = 0;
            const int n = std::stoi(v.asString(), &used);
            return used == v.asString().size() ? n : 0;
        } catch (const std::exception&) {
            return 0;
        }
    }
    return 0;
}

std::string textMember(const Json::Value& request, const char* key)
{
    const auto& v = request[key];
    if (v.isString())
        return v.asString();
    if (v.isInt())
        return std::to_string(v.asInt());
    return {};
}

void putPlayer(Json::Value& out, const PlayerRecord& p)
{
    out["score"] = p.score;
    out["money"] = p.money;
    out["level"] = p.level;
    out["levelupscore"] = p.levelUpScore;
    out["answercount"] = p.answerCount;
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
    Json::Value out(Json::objectValue);
    out["response"] = 0;
    for (const char* key : {"addscore", "addmoney", "awardtype", "awardnum"})
        out[key] = 0;
    out["explain"] = "";
    out["answer"] = "";
    const int qsid = intMember(request, "qsid");
    const auto entry = m_store.find(qsid);
    auto refuse = [&](int fail, const std::string& why) {
        Log::refusal(context.peer, "answer to question " + std::to_string(qsid) + ": " + why);
        out["fail"] = fail;
        if (auto player = m_services.players.find(context.playerId))
            putPlayer(out, *player);
        return Answer(out);
    };
    if (!entry)
        return refuse(kFailNoQuestion, "no such question");
    const auto text = textMember(request, "answer");
    const bool right = AnswerJudge::isRight(*entry, text);
    switch (m_store.claimAnswer(context.playerId, m_today(), qsid, right)) {
    case QuizStore::Claim::NotAsked: return refuse(kFailNotAsked, "it was not handed out today");
    case QuizStore::Claim::AlreadyAnswered: return refuse(kFailAnswered, "it was answered already");
    case QuizStore::Claim::Claimed: break;
    }
    const auto rewards = AnswerRewards::forAnswer(*entry, right, intMember(request, "awardnum"));
    const auto player = m_services.players.addProgress(
        context.playerId, PlayerProgress{rewards.totalScore(), rewards.totalMoney(), 1});
    out["response"] = right ? 1 : 0;
    out["addscore"] = rewards.addScore;
    out["addmoney"] = rewards.addMoney;
    out["awardtype"] = rewards.awardType;
    out["awardnum"] = rewards.awardNum;
    out["explain"] = entry->body["explain"].asString();
    out["answer"] = shownAnswer(*entry);
    if (player)
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
