// The play scene around the clock: scene 3 itself, the start-up questions to guests and
// unregistered players, the share prompt, the hidden question-number picker, and a team match
// played from the team screen.
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/QuizScenes.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

CMyMessageBox* messageBox(CCNode* parent) {
    CCArray* children = parent->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (auto* box = dynamic_cast<CMyMessageBox*>(static_cast<CCObject*>(children->objectAtIndex(i)))) return box;
    }
    return nullptr;
}

class PlaySceneTest : public PlayTest {};

TEST_F(PlaySceneTest, PlayIsSceneThree) {
    SceneDirector::instance().registerScene(3, nullptr);
    EXPECT_FALSE(SceneDirector::instance().isAvailable(3));
    registerQuizScenes();
    ASSERT_TRUE(SceneDirector::instance().switchTo(3));
    engine::testing::stepSeconds(0.3f);
    EXPECT_NE(playLayer(), nullptr);
    EXPECT_EQ(QuestionStage::instance().host(), playLayer());
    EXPECT_EQ(NetManager::instance().heartbeatInterval(), 20);
}

TEST_F(PlaySceneTest, GuestsAndUnregisteredPlayersAreAskedFirst) {
    struct Case {
        int kind;
        bool registered;
        const char* message; // null: the run starts at once
        int scene;           // where the first button leads
    };
    const Case cases[] = {
        {2, false, "notLoginTip-zh", 13},
        {1, false, "signTip-zh", 14},
        {1, true, nullptr, 0},
    };
    SceneDirector::instance().registerScene(13, [] { return CCScene::create(); });
    SceneDirector::instance().registerScene(14, [] { return CCScene::create(); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind * 10 + c.registered);
        QuizData::instance().qsidQueue = {901, 902};
        QuizData::instance().currentQsid = -1;
        UserSession::instance().setAccountKind(c.kind);
        UserSession::instance().setRegistered(c.registered);
        SceneDirector::instance().switchTo(3);
        engine::testing::stepSeconds(0.3f);
        CMyMessageBox* box = messageBox(playLayer());
        if (c.message == nullptr) {
            EXPECT_EQ(box, nullptr);
            EXPECT_EQ(QuizData::instance().currentQsid, 901);
            continue;
        }
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->messageText(), c.message);
        EXPECT_EQ(QuizData::instance().currentQsid, -1); // nothing asked yet
        // The second button plays anyway.
        box->handleRelease(box->button(2)->getPosition());
        EXPECT_EQ(QuizData::instance().currentQsid, 901);
        // Back in, the first button goes to the account screens.
        SceneDirector::instance().switchTo(3);
        engine::testing::stepSeconds(0.3f);
        box = messageBox(playLayer());
        ASSERT_NE(box, nullptr);
        box->handleRelease(box->button(1)->getPosition());
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.scene);
    }
}

TEST_F(PlaySceneTest, ShareFromThePauseMenuTellsHowAndResumes) {
    CPlayLayer* play = enterPlay();
    showStubQuestion(911);
    engine::testing::stepFrames(3, 1.0f);
    play->openPauseMenu();
    play->share();
    EXPECT_EQ(play->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    CMyMessageBox* box = messageBox(play);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->messageText(), "ShareTip-zh");
    engine::testing::stepFrames(3, 1.0f);
    EXPECT_EQ(play->remaining(), 37); // paused while the box is up
    box->handleRelease(box->button(1)->getPosition());
    engine::testing::stepFrames(1);
    engine::testing::stepFrames(2, 1.0f);
    EXPECT_EQ(play->remaining(), 35);
}

TEST_F(PlaySceneTest, QuestionPickerAsksForTheChosenNumber) {
    QuizData::instance().secondList = {5, 6, 7};
    CPlayLayer* play = enterPlay();
    play->showQuestionList(nullptr, cocos2d::extension::TOUCH_EVENT_BEGAN);
    EXPECT_EQ(play->getChildByTag(CPlayLayer::kQuestionPickerTag), nullptr);
    play->showQuestionList(nullptr, cocos2d::extension::TOUCH_EVENT_ENDED);
    auto* picker = dynamic_cast<listView*>(play->getChildByTag(CPlayLayer::kQuestionPickerTag));
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->getPosition().y, 20);
    picker->choose(1);
    engine::testing::stepFrames(1);
    EXPECT_EQ(play->getChildByTag(CPlayLayer::kQuestionPickerTag), nullptr);
    EXPECT_EQ(QuizData::instance().currentQsid, 6);
}

TEST_F(PlaySceneTest, TeamMatchFromTheTeamScreenAsksTheContestServer) {
    if (!startServerAndLogIn()) GTEST_SKIP() << "brindle-server not usable: " << ServerProcess::binary();
    GameData::instance().sdkPlats.clear();
    GameData::instance().teamMatchStatus = 2;
    MatchSchedule team;
    team.matchType = 2;
    team.matchId = 31;
    GameData::instance().matchSchedule = {team};
    SceneDirector::instance().registerTeamInfo([](const TeamInfo&, int) { return CCScene::create(); });
    SceneDirector::instance().showTeamInfo(TeamInfo{}, 0);
    engine::testing::stepSeconds(0.3f);
    const int first = QuizData::instance().qsidQueue.front();
    enterPlay();
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_TRUE(CQuestionMission::instance()->competition());
    // The contest form of the question request ("system" 46), not the single-player one.
    EXPECT_EQ(serverRequests("type 2 (question)", first), 0);
    EXPECT_GE(serverRequests(" 46"), 1);

    // No question left in a team match: the waiting cover instead of a new list.
    QuizData::instance().qsidQueue.clear();
    CQuestionMission::instance()->start(0);
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    EXPECT_NE(scene->getChildByTag(CQuestionMission::kWaitingCoverTag), nullptr);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(serverRequests("type 4 (question list)"), 1);
}

} // namespace
