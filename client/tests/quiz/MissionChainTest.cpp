// The question chain against the real brindle-server: the day's list, the first question of a run,
// the next ones, a run continued after the menu, the wall that holds a question back, answers that
// are never sent twice, and replies that arrive after the player left.
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "quiz/AnswerBox.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/addWallLayer.h"
#include "support/LoopbackServer.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/playGuide.h"

#include "testing/EngineTesting.h"

#include <json/reader.h>

#include <filesystem>
#include <fstream>

USING_NS_CC;
using namespace test_support;

namespace {

class MissionChainTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        if (!startServerAndLogIn()) GTEST_SKIP() << "brindle-server not usable: " << ServerProcess::binary();
        m_ids.assign(QuizData::instance().qsidQueue.begin(), QuizData::instance().qsidQueue.end());
        ASSERT_GE(m_ids.size(), 3u) << "the login chain fills the day's list";
        // The server's own walls are far off; each test puts its own where it needs one.
        GameData::instance().sdkPlats.clear();
    }
    // The stand-in screen for the question the server sent, as its renderer would put it up.
    StubScreen* screenForCurrent() {
        QuestionStage& stage = QuestionStage::instance();
        const QuestionRecord* question = QuizData::instance().current.get();
        if (question == nullptr) return nullptr;
        stage.lookup(question->gametype, question->playtype);
        // The real screen the mission's renderer put up for this pair would be reused: take it
        // down first so the stand-in is built.
        if (stage.current() && dynamic_cast<StubScreen*>(stage.current()) == nullptr) stage.removeCurrent();
        stage.present<StubScreen>();
        if (stage.host()) stage.host()->startClock();
        engine::testing::stepFrames(1);
        return dynamic_cast<StubScreen*>(stage.current());
    }
    std::vector<int> m_ids;
};

TEST_F(MissionChainTest, RunFetchesListAndQuestionsInServerOrder) {
    CPlayLayer* play = enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    QuizData& quiz = QuizData::instance();
    // The list came with the login: the first question of the run is asked at once.
    EXPECT_EQ(serverRequests("type 4 (question list)"), 1);
    EXPECT_EQ(serverRequests("type 2 (question)", m_ids[0]), 1);
    ASSERT_NE(quiz.current, nullptr);
    EXPECT_EQ(quiz.currentQsid, m_ids[0]);
    EXPECT_EQ(quiz.qsidQueue.front(), m_ids[1]);
    EXPECT_EQ(QuestionStage::instance().wantedGameType(), quiz.current->gametype);
    EXPECT_EQ(QuestionStage::instance().wantedPlayType(), quiz.current->playtype);
    // The carrot prize stands on the header only for a question that has one.
    EXPECT_EQ(play->getChildByTag(CQuestionMission::kPrizeIconTag) != nullptr, quiz.current->prizemoney > 0);

    // The queue runs dry: the list is asked again and its first id comes next.
    quiz.qsidQueue.clear();
    CQuestionMission::instance()->start(0);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(serverRequests("type 4 (question list)"), 2);
    // Nothing was answered, so the day's list is the same and starts over.
    EXPECT_EQ(quiz.currentQsid, m_ids[0]);
    EXPECT_EQ(quiz.qsidQueue.size(), m_ids.size() - 1);
    EXPECT_EQ(serverRequests("type 2 (question)", m_ids[0]), 2);
}

TEST_F(MissionChainTest, EmptyListEndsTheRunWithAnswerOver) {
    CPlayLayer* play = enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    QuizData::instance().qsidQueue.clear();
    CQuestionMission::instance()->requestNextQuestion(0);
    auto boxes = childrenOf<CMyMessageBox>(play);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->messageText(), "AnswerOver-zh");
    boxes[0]->handleRelease(boxes[0]->button(1)->getPosition());
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

TEST_F(MissionChainTest, RunContinuesAfterReturningToTheMenu) {
    enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(QuizData::instance().currentQsid, m_ids[0]);
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(QuestionStage::instance().host(), nullptr);

    enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(QuizData::instance().currentQsid, m_ids[1]);
    EXPECT_EQ(serverRequests("type 4 (question list)"), 1);
    EXPECT_EQ(serverRequests("type 2 (question)", m_ids[1]), 1);
}

TEST_F(MissionChainTest, WallHoldsTheQuestionUntilNextQuestion) {
    StoredSettings::writeBool(StoredSettings::guideKey(playGuide::guideName(addWallLayer::kGuidePage)).c_str(),
                              true);
    const int answered = GameData::instance().user.answerCount;
    GameData::instance().sdkPlats = {SdkPlat{answered + 9, 1}, SdkPlat{answered + 1, 2}};
    CPlayLayer* play = enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    QuizData& quiz = QuizData::instance();
    auto walls = childrenOf<addWallLayer>(play);
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_EQ(walls[0]->kind(), 2);
    EXPECT_TRUE(CQuestionMission::instance()->wallShown());
    EXPECT_STREQ(play->tipLabel()->getString(), "addWallLabel-zh");
    // The question waits at the front of the queue and was not asked for.
    EXPECT_EQ(quiz.qsidQueue.front(), m_ids[0]);
    EXPECT_EQ(quiz.currentQsid, m_ids[0]);
    EXPECT_EQ(serverRequests("type 2 (question)", m_ids[0]), 0);
    ASSERT_EQ(GameData::instance().sdkPlats.size(), 1u);
    EXPECT_EQ(GameData::instance().sdkPlats[0].index, answered + 9);

    // "NextQuestion" on the wall, touched where it stands: the held question is fetched.
    engine::testing::tap(660, 320);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_TRUE(childrenOf<addWallLayer>(play).empty());
    EXPECT_FALSE(CQuestionMission::instance()->wallShown());
    EXPECT_EQ(serverRequests("type 2 (question)", m_ids[0]), 1);
    EXPECT_EQ(quiz.currentQsid, m_ids[0]);
    EXPECT_EQ(quiz.qsidQueue.front(), m_ids[1]);
    ASSERT_NE(quiz.current, nullptr);
}

TEST_F(MissionChainTest, WallShowsItsGuideOnlyTheFirstTime) {
    const std::string key = StoredSettings::guideKey(playGuide::guideName(addWallLayer::kGuidePage));
    for (bool hadGuide : {false, true}) {
        StoredSettings::writeBool(key.c_str(), hadGuide);
        CCScene* scene = CCScene::create();
        engine::testing::runScene(scene);
        addWallLayer* wall = addWallLayer::create(0);
        scene->addChild(wall);
        EXPECT_EQ(childrenOf<playGuide>(wall).size(), hadGuide ? 0u : 1u);
    }
}

TEST_F(MissionChainTest, AnswerRacingTheTimeOutIsSentOnce) {
    CPlayLayer* play = enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    StubScreen* screen = screenForCurrent();
    ASSERT_NE(screen, nullptr);
    const int qsid = QuizData::instance().currentQsid;
    const int before = GameData::instance().user.answerCount;
    // The clock runs out; before the verdict is back the player taps an option.
    for (int i = 0; i < 7; ++i) play->timePenalty();
    engine::testing::stepFrames(1, 1.0f);
    EXPECT_TRUE(play->hasTimedOut());
    CQuestionMission::instance()->submitAnswer("x", 0, 0, 1);
    CQuestionMission::instance()->submitAnswer("x", 0, 0, 1);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(serverRequests("type 3 (answer)", qsid), 1);
    EXPECT_EQ(GameData::instance().user.answerCount, before + 1);
    EXPECT_TRUE(screen->isAnswered());

    // The next question: a double tap sends one answer.
    CQuestionMission::instance()->start(0);
    ASSERT_TRUE(pumpUntilIdle());
    const int next = QuizData::instance().currentQsid;
    ASSERT_NE(next, qsid);
    screenForCurrent();
    CQuestionMission::instance()->submitAnswer("y", 0, 0, 0);
    CQuestionMission::instance()->submitAnswer("y", 0, 0, 0);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(serverRequests("type 3 (answer)", next), 1);
    EXPECT_EQ(serverRequests("type 3 (answer)"), 2);
}

TEST_F(MissionChainTest, RepliesForALeftSceneTouchNothing) {
    enterPlay(); // the first question is on its way
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
    CCScene* menu = SceneDirector::instance().currentScene();
    EXPECT_EQ(QuestionStage::instance().host(), nullptr);
    EXPECT_EQ(menu->getChildByTag(CQuestionMission::kPrizeIconTag), nullptr);

    // An answer whose verdict arrives after the player left.
    enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_NE(screenForCurrent(), nullptr);
    CQuestionMission::instance()->submitAnswer("z", 0, 0, 0);
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
    menu = SceneDirector::instance().currentScene();
    EXPECT_EQ(menu->getChildrenCount(), 0u);
    EXPECT_EQ(serverRequests("type 3 (answer)"), 1);
}

TEST_F(MissionChainTest, AnswerThatNeverComesBackLeavesTheWayOut) {
    CPlayLayer* play = enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_NE(screenForCurrent(), nullptr);
    NetManager::instance().setGameEndpoint("127.0.0.1", LoopbackServer::closedPort());
    CQuestionMission::instance()->submitAnswer("late", 0, 0, 0);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_NE(SceneDirector::instance().currentScene()->getChildByTag(kNetworkBoxTag), nullptr);
    // The clock stays stopped, and the pause menu still takes the player home.
    engine::testing::stepFrames(45, 1.0f);
    EXPECT_FALSE(play->hasTimedOut());
    play->openPauseMenu();
    ASSERT_NE(play->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    play->backToMain();
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

} // namespace

namespace {

// The right answer of a question, read from the bank the server beside the tests loaded.
std::string rightAnswerOf(int qsid) {
    const auto bank = std::filesystem::path(ServerProcess::binary()).parent_path().parent_path() / "server-data/bank";
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(bank, error)) {
        std::ifstream in(file.path());
        for (std::string line; std::getline(in, line);) {
            Json::Value entry;
            if (Json::Reader().parse(line, entry) && entry.isObject() && entry["qsid"].asInt() == qsid) {
                return entry["right"].asString();
            }
        }
    }
    return "";
}

TEST_F(MissionChainTest, ServerVerdictShowsRightThenWrong) {
    CPlayLayer* play = enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    auto answerBoxText = [&] {
        CCArray* children = play->getChildren();
        for (unsigned i = 0; children && i < children->count(); ++i) {
            if (auto* box = dynamic_cast<AnswerBox*>(static_cast<CCObject*>(children->objectAtIndex(i)))) {
                const std::string tree = engine::testing::dumpTree(box);
                box->removeFromParent();
                return tree;
            }
        }
        return std::string();
    };
    // The first question of the day answered right, the next one wrong.
    for (bool right : {true, false}) {
        SCOPED_TRACE(right);
        const QuestionRecord* question = QuizData::instance().current.get();
        ASSERT_NE(question, nullptr);
        const std::string rightAnswer = rightAnswerOf(QuizData::instance().currentQsid);
        ASSERT_FALSE(rightAnswer.empty()) << "question " << QuizData::instance().currentQsid;
        ASSERT_NE(screenForCurrent(), nullptr);
        const int score = GameData::instance().user.score;
        CQuestionMission::instance()->submitAnswer(right ? rightAnswer : "surely not this", 0, 0, -1);
        ASSERT_TRUE(pumpUntilIdle());
        EXPECT_EQ(CQuestionMission::instance()->answerStatus(), right ? 0 : 1);
        const std::string box = answerBoxText();
        EXPECT_NE(box.find(right ? "AnswerRight-zh" : "AnswerError-zh"), std::string::npos);
        EXPECT_EQ(GameData::instance().user.score > score, right);
        CQuestionMission::instance()->start(0);
        ASSERT_TRUE(pumpUntilIdle());
    }
}

} // namespace
