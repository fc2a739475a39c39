#include "contest/ContestPlaySupport.h"

#include "app/SceneDirector.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/ContestScenes.h"
#include "net/ContestParsers.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"

#include "testing/EngineTesting.h"

USING_NS_CC;

namespace test_support {

namespace {

CAddAnswerMenu* menuIn(CCNode* node) {
    if (node == nullptr) return nullptr;
    if (auto* menu = dynamic_cast<CAddAnswerMenu*>(node)) return menu;
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (CAddAnswerMenu* menu = menuIn(static_cast<CCNode*>(children->objectAtIndex(i)))) return menu;
    }
    return nullptr;
}

} // namespace

void ContestPlayTest::SetUp() {
    PlayTest::SetUp();
    setGameTexts();
    CHD_CQuestionMission::instance()->resetForTesting();
    UserSession::instance().setLoginValues(10001, "s-10001");
    UserSession::instance().setAccountKind(1);
    UserSession::instance().setRegistered(true);
    UserInfo& user = GameData::instance().user;
    user.nickname = "阿明";
    user.level = 15;
    user.score = 1280;
    user.money = 36;
    GameData::instance().opponent = ContestOpponent{"小红", 45, 5};
    m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        Json::Value answer(Json::objectValue);
        const int system = request["system"].asInt();
        answer["system"] = system;
        if (system == 30) {
            answer["response"] = m_verdict;
            answer["qsid"] = request["qsid"];
            answer["answer"] = request["answer"];
            answer["addscore"] = m_verdict == "success" ? 10 : 0;
            for (const char* total : {"score", "money", "level", "levelupscore", "answercount"}) answer[total] = 7;
        } else if (system == 49) {
            answer["response"] = 1;
            answer["prizearray"].append(m_teamPrize);
        } else if (system == 27) {
            answer["response"] = leaveResponse;
            answer["act"] = request["act"];
        }
        return Reply::json(answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
    for (int hall : {21, 23, 25, 28, 29}) {
        SceneDirector::instance().registerScene(hall, [] { return CCScene::create(); });
    }
    registerContestScenes();
}

void ContestPlayTest::TearDown() {
    PlayTest::TearDown();
    ContestParsers::hooks().contestQuestion = nullptr;
    ContestParsers::hooks().contestPush = nullptr;
    CQuestionMission::instance()->resetForTesting();
    CHD_CQuestionMission::instance()->resetForTesting();
    m_game.reset();
}

CHD_PlayLayer* ContestPlayTest::enterContest(int hall) {
    SceneDirector::instance().switchTo(hall);
    engine::testing::stepSeconds(0.3f);
    SceneDirector::instance().switchTo(22);
    engine::testing::stepSeconds(0.3f);
    return contestLayer();
}

CHD_PlayLayer* ContestPlayTest::contestLayer() const { return dynamic_cast<CHD_PlayLayer*>(playLayer()); }

void ContestPlayTest::push(const Json::Value& v) {
    int code = -1;
    ContestParsers::heartbeat(v, &code);
}

void ContestPlayTest::pushText(const std::string& json) {
    Json::Value v;
    ASSERT_TRUE(JsonRead::parse(json, v)) << json;
    push(v);
}

std::vector<std::string> ContestPlayTest::answersOf(int qsid) {
    const std::string n = std::to_string(qsid);
    return {"甲" + n, "乙" + n, "丙" + n, "丁" + n};
}

void ContestPlayTest::pushQuestion(int qsid, int flag, const std::string& question) {
    Json::Value v(Json::objectValue);
    v["system"] = 29;
    v["qsid"] = qsid;
    v["flag"] = flag;
    v["questid"] = qsid;
    v["gametype"] = 1;
    v["playtype"] = 7;
    v["seltype"] = 0;
    v["question"] = question.empty() ? "第" + std::to_string(qsid) + "题" : question;
    v["teammatchstatus"] = 0;
    for (const std::string& answer : answersOf(qsid)) v["answer"].append(answer);
    push(v);
}

void ContestPlayTest::showQuestion(int qsid, int flag) {
    pushQuestion(qsid, flag);
    // Frame by frame up to the poll that shows it, so the answering time starts from here.
    for (int frame = 0; frame < 30 && !QuizData::instance().questionQueue.empty(); ++frame) {
        engine::testing::stepFrames(1);
    }
}

CAddAnswerMenu* ContestPlayTest::answerMenu() const { return menuIn(QuestionStage::instance().current()); }

void ContestPlayTest::tapOption(int k) {
    CAddAnswerMenu* menu = answerMenu();
    ASSERT_NE(menu, nullptr);
    tapNode(menu->item(k));
}

std::vector<Json::Value> ContestPlayTest::requests(int system) {
    EXPECT_TRUE(pumpUntilIdle());
    std::vector<Json::Value> found;
    for (const Json::Value& request : m_game->requests()) {
        if (system < 0 || request["system"].asInt() == system) found.push_back(request);
    }
    return found;
}

Json::Value ContestPlayTest::result(const std::string& challenge, const std::string& challenge2, int iswin,
                                   int flee) {
    Json::Value v(Json::objectValue);
    v["system"] = 32;
    v["act"] = 1;
    v["matchtype"] = 1;
    v["challenge"] = challenge;
    v["name"] = "一号";
    v["right"] = 4;
    v["err"] = 1;
    v["time"] = 31.4;
    v["core"] = 40;
    v["money"] = iswin == 1 ? 10 : (iswin == 2 ? 3 : 0);
    v["iswin"] = iswin;
    v["challenge2"] = challenge2;
    v["name2"] = "二号";
    v["right2"] = 2;
    v["err2"] = 3;
    v["time2"] = 52.0;
    v["core2"] = 20;
    v["money2"] = iswin == 0 ? 10 : (iswin == 2 ? 3 : 0);
    v["iswin2"] = iswin == 2 ? 2 : 1 - iswin;
    v["flee"] = flee;
    v["teammatchstatus"] = 0;
    return v;
}

int ContestPlayTest::childrenTagged(CCNode* parent, int tag) {
    int count = 0;
    for (CCNode* child : childrenOf<CCNode>(parent)) count += child->getTag() == tag ? 1 : 0;
    return count;
}

} // namespace test_support
