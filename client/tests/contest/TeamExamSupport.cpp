#include "contest/TeamExamSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/ContestScenes.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <chrono>
#include <thread>

USING_NS_CC;

namespace test_support {

namespace {

void collectTexts(CCNode* node, std::vector<std::string>& found) {
    if (node == nullptr) return;
    if (auto* label = dynamic_cast<CCLabelTTF*>(node)) found.push_back(label->getString());
    if (auto* label = dynamic_cast<CCLabelBMFont*>(node)) found.push_back(label->getString());
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        collectTexts(static_cast<CCNode*>(children->objectAtIndex(i)), found);
    }
}

void collectBoxes(CCNode* node, std::vector<CMyMessageBox*>& found) {
    if (node == nullptr) return;
    if (auto* box = dynamic_cast<CMyMessageBox*>(node)) found.push_back(box);
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        collectBoxes(static_cast<CCNode*>(children->objectAtIndex(i)), found);
    }
}

} // namespace

Json::Value TeamExamTest::questionAnswer(int qsid) {
    Json::Value v(Json::objectValue);
    v["system"] = 46;
    v["response"] = 1;
    v["qsid"] = qsid;
    v["questid"] = qsid;
    v["gametype"] = 1;
    v["playtype"] = 7;
    v["seltype"] = 0;
    v["question"] = "第" + std::to_string(qsid) + "题：哪一个是对的？";
    for (const std::string& a : answersOf(qsid)) v["answer"].append(a);
    return v;
}

void TeamExamTest::SetUp() {
    ContestPlayTest::SetUp();
    m_answers.schedule = examDay();
    m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        std::lock_guard<std::mutex> hold(m_lock);
        return Reply::json(answer(request));
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
    // Where the screens lead: bare stand-ins, so only the screens under test talk to the server.
    for (int scene : {2, 21, 23, 25, 28}) {
        SceneDirector::instance().registerScene(scene, [] { return CCScene::create(); });
    }
    SceneDirector::instance().registerTeamInfo([](const TeamInfo&, int) { return CCScene::create(); });
    GameData::instance().matchSchedule.clear();
    GameData::instance().user.answerCount = 40;
}

Json::Value TeamExamTest::answer(const Json::Value& request) {
    Json::Value a(Json::objectValue);
    const int system = request["system"].asInt();
    a["system"] = system;
    a["response"] = 1;
    switch (system) {
    case 26: a["matchact"] = m_answers.schedule; break;
    case 33: {
        const auto found = m_answers.ranks.find(request["matchtype"].asInt());
        if (found != m_answers.ranks.end()) a = found->second;
        else a["response"] = 0;
        break;
    }
    case 40: a = m_answers.teamRank; break;
    case 48:
        a["response"] = m_answers.listResponse;
        a["idlist"] = m_answers.listResponse == 1 ? m_answers.idList : Json::Value(Json::arrayValue);
        if (!m_answers.listTip.empty()) a["tip"] = m_answers.listTip;
        break;
    case 46: a = questionAnswer(request["qsid"].asInt()); break;
    case 47: {
        const int qsid = request["qsid"].asInt();
        const bool right = request["answer"].asString() == rightOf(qsid);
        a["response"] = right ? "success" : "fail";
        a["qsid"] = qsid;
        a["answer"] = request["answer"];
        a["addscore"] = right ? 10 : 0;
        a["score"] = 500;
        a["money"] = 36;
        a["level"] = 15;
        a["levelupscore"] = 600;
        a["answercount"] = 41;
        break;
    }
    case 49: a["prizearray"] = m_answers.prizes; break;
    case 27:
        a["response"] = m_answers.leaveResponse;
        a["act"] = request["act"];
        break;
    default: break;
    }
    return a;
}

Json::Value TeamExamTest::examDay() {
    Json::Value day(Json::arrayValue);
    auto entry = [](int type, int matchId, const std::string& start, const std::string& end) {
        Json::Value e;
        e["matchtype"] = type;
        e["matchid"] = matchId;
        e["delmoney"] = 0;
        e["pkfreecount"] = 0;
        e["pkmaxcount"] = 1;
        e["level"] = 0;
        e["status"] = 1;
        e["starttime"] = start;
        e["endtime"] = end;
        e["servertime"] = "20261209120000";
        return e;
    };
    day.append(entry(2, 77, "20261209200000", "20261209203000"));
    day.append(entry(4, 20261209, "20261209100000", "20261209220000"));
    return day;
}

Json::Value TeamExamTest::playerRank(int rank, int rows, bool exam) {
    Json::Value v;
    v["system"] = 33;
    v["response"] = 1;
    v["rank"] = rank;
    v["wixcount"] = exam ? 7 : 12;
    v["wixtotal"] = exam ? 10 : 20;
    v["userscore"] = exam ? 70 : 240;
    v["usetime"] = exam ? 63.4 : 0;
    v["ranklist"] = Json::Value(Json::arrayValue);
    for (int k = 1; k <= rows; ++k) {
        Json::Value row;
        row["rank"] = k;
        row["name"] = k == 2 ? "一个名字特别特别长的答题高手玩家" : "玩家" + std::to_string(k);
        row["wixcount"] = exam ? 11 - k : 40 - k;
        row["wixtotal"] = exam ? 10 : 50;
        row["userscore"] = exam ? (11 - k) * 10 : 900 - 10 * k;
        row["usetime"] = exam ? 30.25 + k : 0;
        v["ranklist"].append(row);
    }
    return v;
}

Json::Value TeamExamTest::teamRankAnswer(int myRank, int rows) {
    Json::Value v;
    v["system"] = 40;
    v["act"] = 1;
    v["response"] = 1;
    v["count"] = rows;
    v["myrank"] = myRank;
    v["myscore"] = myRank == 0 ? 0 : 330;
    v["myteamid"] = myRank == 0 ? 0 : 9;
    v["teaminfo"] = Json::Value(Json::arrayValue);
    for (int k = 1; k <= rows; ++k) {
        Json::Value row;
        row["score"] = 1000 - 50 * k;
        row["teamname"] = "第" + std::to_string(k) + "队";
        row["teamid"] = k;
        v["teaminfo"].append(row);
    }
    return v;
}

Json::Value TeamExamTest::prize(int type, int prizeType, int prizeNum, int right, int wrong, int score,
                                int teamScore, int times) {
    Json::Value v;
    v["type"] = type;
    v["prizetype"] = prizeType;
    v["prizenum"] = prizeNum;
    v["rightcount"] = right;
    v["wrongcount"] = wrong;
    v["score"] = score;
    v["teamscore"] = teamScore;
    v["times"] = times;
    return v;
}

void TeamExamTest::enterFrom(int from, int scene) {
    SceneDirector::instance().switchTo(from);
    engine::testing::stepSeconds(0.3f);
    SceneDirector::instance().switchTo(scene);
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
}

CHD_PlayLayer* TeamExamTest::enterTeamPlay(const std::vector<int>& ids) {
    GameData::instance().matchSchedule.clear();
    for (const Json::Value& e : examDay()) {
        MatchSchedule entry;
        entry.matchType = e["matchtype"].asInt();
        entry.matchId = e["matchid"].asInt();
        GameData::instance().matchSchedule.push_back(entry);
    }
    GameData::instance().teamMatchStatus = 2;
    GameData::instance().myTeam.myTeamName = "兔子队";
    SceneDirector::instance().showTeamInfo(TeamInfo{}, 4);
    engine::testing::stepSeconds(0.3f);
    QuizData::instance().qsidQueue.assign(ids.begin(), ids.end());
    SceneDirector::instance().switchTo(22);
    engine::testing::stepSeconds(0.3f);
    EXPECT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    return contestLayer();
}

CHD_PlayLayer* TeamExamTest::enterExamPlay(const std::vector<int>& ids) {
    GameData::instance().matchSchedule.clear();
    for (const Json::Value& e : examDay()) {
        MatchSchedule entry;
        entry.matchType = e["matchtype"].asInt();
        entry.matchId = e["matchid"].asInt();
        GameData::instance().matchSchedule.push_back(entry);
    }
    SceneDirector::instance().switchTo(29);
    engine::testing::stepSeconds(0.3f);
    QuizData::instance().qsidQueue.assign(ids.begin(), ids.end());
    SceneDirector::instance().switchTo(22);
    engine::testing::stepSeconds(0.3f);
    EXPECT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    return contestLayer();
}

void TeamExamTest::answerShown(bool right) {
    const int qsid = QuizData::instance().currentQsid;
    const std::vector<std::string> options = answersOf(qsid);
    const std::string wanted = right ? rightOf(qsid) : options[3];
    for (int k = 0; k < 4; ++k) {
        if (options[k] == wanted) tapOption(k);
    }
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(1);
}

void TeamExamTest::wait(float seconds) {
    for (float left = seconds; left > 0.01f; left -= 0.25f) {
        engine::testing::stepSeconds(left < 0.25f ? left : 0.25f);
        ASSERT_TRUE(pumpUntilIdle());
        engine::testing::stepFrames(1, 0.0f);
    }
}

std::vector<Json::Value> TeamExamTest::sent(int system, int act) {
    EXPECT_TRUE(pumpUntilIdle());
    std::vector<Json::Value> found;
    for (const Json::Value& request : m_game->requests()) {
        if (request["system"].asInt() != system) continue;
        if (act >= 0 && request["act"].asInt() != act) continue;
        found.push_back(request);
    }
    return found;
}

std::vector<CMyMessageBox*> TeamExamTest::boxes() {
    std::vector<CMyMessageBox*> found;
    collectBoxes(CCDirector::sharedDirector()->getRunningScene(), found);
    return found;
}

CMyMessageBox* TeamExamTest::boxSaying(const std::string& message) {
    for (CMyMessageBox* box : boxes()) {
        if (box->messageText() == message) return box;
    }
    return nullptr;
}

void TeamExamTest::pressSure(CMyMessageBox* box) {
    ASSERT_NE(box, nullptr);
    CCSprite* sure = box->button(1) ? box->button(1) : box->button(2);
    ASSERT_NE(sure, nullptr);
    box->handleRelease(sure->getPosition());
}

std::string TeamExamTest::text(const char* key) { return LocalText::instance().text(key); }

std::vector<std::string> TeamExamTest::textsIn(CCNode* node) {
    std::vector<std::string> found;
    collectTexts(node, found);
    return found;
}

bool TeamExamTest::holdsText(CCNode* node, const std::string& wanted) {
    for (const std::string& s : textsIn(node)) {
        if (s == wanted) return true;
    }
    return false;
}

} // namespace test_support
