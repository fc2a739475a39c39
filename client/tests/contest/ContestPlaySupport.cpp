#include "contest/ContestPlaySupport.h"

#include "app/SceneDirector.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_ChallengeLayer.h"
#include "contest/CHD_DoublesLayer.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/ContestScenes.h"
#include "net/ContestParsers.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/ScreenPlayers.h"
#include "widgets/CMyMessageBox.h"

#include "cocos-ext.h"

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

CMyMessageBox* boxIn(CCNode* node) {
    if (node == nullptr) return nullptr;
    if (auto* box = dynamic_cast<CMyMessageBox*>(node)) return box;
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (CMyMessageBox* box = boxIn(static_cast<CCNode*>(children->objectAtIndex(i)))) return box;
    }
    return nullptr;
}

template <typename T> T* hallOnStage() {
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
    return dynamic_cast<T*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
}

void tapWidget(cocos2d::extension::UIWidget* widget) {
    ASSERT_NE(widget, nullptr);
    const CCSize size = widget->getContentSize();
    const CCPoint at = widget->convertToWorldSpace(ccp(size.width / 2, size.height / 2));
    engine::testing::tap(at.x, at.y);
}

// The search's or the challenge's confirmation, answered "sure".
void confirm() {
    CMyMessageBox* box = boxIn(CCDirector::sharedDirector()->getRunningScene());
    ASSERT_NE(box, nullptr);
    CCSprite* sure = box->button(1) ? box->button(1) : box->button(2);
    ASSERT_NE(sure, nullptr);
    box->handleRelease(sure->getPosition());
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

void ContestPlayServerTest::SetUp() {
    ContestPlayTest::SetUp();
    if (!m_server.start(m_folder)) GTEST_SKIP() << "brindle-server not found beside the tests";
}

void ContestPlayServerTest::signUp() {
    ASSERT_TRUE(m_server.addRemote(m_remote, "13900000001"));
    ASSERT_TRUE(m_server.logInClient("13900000002"));
    // The contest hall first, for the day's schedule, as a player comes in.
    SceneDirector::instance().switchTo(21);
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
}

int ContestPlayServerTest::clientId() const { return UserSession::instance().userId(); }

namespace {

bool questionShown() {
    return SceneDirector::instance().currentSceneId() == 22 && QuestionStage::instance().current() != nullptr &&
           QuizData::instance().questionQueue.empty();
}

} // namespace

CHD_PlayLayer* ContestPlayServerTest::beginOneToOne() {
    EXPECT_EQ(m_remote.presence(1, 1)["response"].asInt(), 1);
    EXPECT_EQ(m_remote.pair(0, 1)["response"].asInt(), 1);
    SceneDirector::instance().switchTo(23);
    engine::testing::stepSeconds(0.3f);
    EXPECT_TRUE(pumpUntilIdle());
    auto* hall = hallOnStage<CHD_DoublesLayer>();
    if (hall == nullptr) return nullptr;
    tapWidget(hall->widget("challengebtn"));
    confirm();
    if (!until(questionShown)) return nullptr;
    m_question = m_remote.awaitPush(29);
    return contestLayer();
}

CHD_PlayLayer* ContestPlayServerTest::beginChallenge() {
    EXPECT_EQ(m_remote.presence(1, 3)["isking"].asInt(), 1);
    SceneDirector::instance().switchTo(28);
    engine::testing::stepSeconds(0.3f);
    EXPECT_TRUE(pumpUntilIdle());
    auto* hall = hallOnStage<CHD_ChallengeLayer>();
    if (hall == nullptr) return nullptr;
    tapWidget(hall->widget("challengebtn"));
    confirm();
    EXPECT_TRUE(pumpUntilIdle());
    const Json::Value challenge = m_remote.awaitPush(28, 0);
    EXPECT_EQ(m_remote.pair(1, 3, challenge["challenge"].asString())["response"].asInt(), 1);
    if (!until(questionShown)) return nullptr;
    m_question = m_remote.awaitPush(29);
    return contestLayer();
}

int ContestPlayServerTest::remoteAnswers(bool right) {
    if (m_question.isNull()) m_question = m_remote.awaitPush(29);
    const int qsid = m_question["qsid"].asInt();
    const std::string text = right ? bankRight(qsid) : bankWrong(qsid, m_question["answer"]);
    const Json::Value verdict = m_remote.answer(qsid, text);
    EXPECT_EQ(verdict["response"].asString(), right ? "success" : "fail") << qsid;
    m_question = Json::Value();
    return qsid;
}

void ContestPlayServerTest::clientAnswers(bool right) {
    const int qsid = QuizData::instance().currentQsid;
    ASSERT_NE(QuizData::instance().current, nullptr);
    const int gameType = QuizData::instance().current->gametype;
    const int playType = QuizData::instance().current->playtype;
    const ScreenPlayer* player = screenPlayer(gameType, playType);
    ASSERT_NE(player, nullptr) << "no test player for g" << gameType << "p" << playType;
    PlayerTurn turn;
    turn.screen = QuestionStage::instance().current();
    turn.right = bankRight(qsid);
    ASSERT_FALSE(turn.right.empty()) << "qsid " << qsid << " is not in the bank";
    turn.win = right;
    turn.wait = [](float seconds) { engine::testing::stepSeconds(seconds); };
    ASSERT_TRUE((*player)(turn)) << "qsid " << qsid;
    ASSERT_TRUE(pumpUntilIdle());
}

std::pair<int, int> ContestPlayServerTest::storedMoneyAndScore() { return ContestServer::clientMoneyAndScore(); }

} // namespace test_support
