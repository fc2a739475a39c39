// The play scene's clock, header, pause menu and back key, on the manual clock: 40 shown first,
// the warning from 10, the time-out "-1" on the tick after 0, the 6-second penalty, a time-out
// with no screen on stage, and pausing.
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class PlayClockTest : public PlayTest {
protected:
    // One tick of the clock (scheduled every second) per frame.
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) engine::testing::stepFrames(1, 1.0f);
    }
    std::string clockText() const { return playLayer()->clockLabel()->getString(); }
    int sent() const { return CQuestionMission::instance()->lastSubmittedQsid(); }
    // The text the menu put on a widget of its layout (widgets list only widget children).
    static std::string labelOn(CPlayLayer* play, const char* widgetName) {
        CCNode* widget = play->pauseLayout()->getWidgetByName(widgetName);
        CCArray* nodes = widget ? widget->CCNode::getChildren() : nullptr;
        for (unsigned i = 0; nodes && i < nodes->count(); ++i) {
            if (auto* label = dynamic_cast<CCLabelBMFont*>(static_cast<CCObject*>(nodes->objectAtIndex(i)))) {
                return label->getString();
            }
        }
        return "";
    }
};

TEST_F(PlayClockTest, FortyFirstWarningFromTenTimeOutOnTheTickAfterZero) {
    CPlayLayer* play = enterPlay();
    ASSERT_NE(play, nullptr);
    ASSERT_NE(showStubQuestion(301), nullptr);
    EXPECT_EQ(clockText(), "40");
    tick();
    EXPECT_EQ(clockText(), "39");
    tick(28);
    EXPECT_EQ(clockText(), "11");
    EXPECT_EQ(effectCount("Carrot.mp3"), 0);
    tick();
    EXPECT_EQ(clockText(), "10");
    EXPECT_EQ(effectCount("Carrot.mp3"), 1);
    tick(9);
    EXPECT_EQ(clockText(), "1");
    EXPECT_TRUE(play->lowTimeFlag() == false);
    // With one second left the tick shows 0 and still warns; nothing is sent yet.
    tick();
    EXPECT_EQ(clockText(), "0");
    EXPECT_EQ(effectCount("Carrot.mp3"), 11);
    EXPECT_EQ(sent(), -1);
    EXPECT_FALSE(play->hasTimedOut());
    // The next tick answers "-1" for the player and the clock stays at 0.
    tick();
    EXPECT_TRUE(play->hasTimedOut());
    EXPECT_FALSE(play->isRunning());
    EXPECT_EQ(sent(), 301);
    EXPECT_EQ(QuizData::instance().lastAnsweredQsid, 301);
    EXPECT_EQ(QuizData::instance().selectedOptionIndex, -1);
    tick(3);
    EXPECT_EQ(clockText(), "0");
    EXPECT_EQ(effectCount("Carrot.mp3"), 11);
}

TEST_F(PlayClockTest, PenaltyNeverGoesBelowZeroAndTheNextTickTimesOut) {
    CPlayLayer* play = enterPlay();
    showStubQuestion(302);
    tick(30);
    play->timePenalty();
    EXPECT_EQ(clockText(), "4"); // shown at once, not on the next tick
    play->timePenalty();         // 4 seconds left: 0, not -2
    EXPECT_EQ(play->remaining(), 0);
    EXPECT_EQ(clockText(), "0");
    EXPECT_EQ(sent(), -1);
    tick();
    EXPECT_EQ(sent(), 302);
    EXPECT_TRUE(play->hasTimedOut());
}

TEST_F(PlayClockTest, ClockRunningOutWithoutAScreenSendsNothing) {
    CPlayLayer* play = enterPlay();
    QuizData::instance().currentQsid = 303;
    play->startClock();
    engine::testing::stepFrames(1);
    tick(45);
    EXPECT_EQ(play->remaining(), 0);
    EXPECT_EQ(sent(), -1);
    EXPECT_FALSE(play->hasTimedOut());
}

TEST_F(PlayClockTest, HeaderShowsThePlayerAndANewQuestionStartsAtForty) {
    UserInfo& user = GameData::instance().user;
    user.score = 120;
    user.money = 7;
    user.answerCount = 3;
    CPlayLayer* play = enterPlay();
    EXPECT_STREQ(play->scoreLabel()->getString(), "120");
    EXPECT_STREQ(play->moneyLabel()->getString(), "7");
    EXPECT_STREQ(play->answeredLabel()->getString(), "3");
    showStubQuestion(304);
    tick(5);
    user.score = 130;
    user.answerCount = 4;
    // The next question of the same kind: the header follows the player, the clock starts over.
    showStubQuestion(305);
    EXPECT_EQ(clockText(), "40");
    EXPECT_STREQ(play->scoreLabel()->getString(), "130");
    EXPECT_STREQ(play->answeredLabel()->getString(), "4");
    play->showTip("what is it?");
    EXPECT_STREQ(play->tipLabel()->getString(), "what is it?");
    EXPECT_EQ(play->tipLabel()->getColor().r, 0);
}

TEST_F(PlayClockTest, PauseStopsTheClockAndBackKeyWhilePausedDoesNothing) {
    CPlayLayer* play = enterPlay();
    StubScreen* screen = showStubQuestion(306);
    tick(5);
    engine::testing::pressBack();
    ASSERT_NE(play->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    EXPECT_EQ(labelOn(play, "goongamebtn"), "GoOnGame-zh");
    EXPECT_EQ(labelOn(play, "backtomainbtn"), "BackToMain-zh");
    EXPECT_EQ(labelOn(play, "stoplabel"), "pause-zh");
    tick(10);
    EXPECT_EQ(play->remaining(), 35);

    engine::testing::pressBack();
    int pauses = 0;
    for (unsigned i = 0; i < play->getChildrenCount(); ++i) {
        auto* child = static_cast<CCNode*>(play->getChildren()->objectAtIndex(i));
        if (child->getTag() == CPlayLayer::kPauseTag) pauses += 1;
    }
    EXPECT_EQ(pauses, 1);
    tick(3);
    EXPECT_EQ(play->remaining(), 35);

    // "GoOnGame", touched where the menu draws it: the menu goes and the clock ticks on from 35.
    screen->setAnswered(true);
    engine::testing::tap(480, 415);
    engine::testing::stepFrames(1); // the restarted timer counts from the next frame
    EXPECT_EQ(play->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    EXPECT_FALSE(screen->isAnswered());
    tick();
    EXPECT_EQ(play->remaining(), 34);
}

TEST_F(PlayClockTest, ResumingDoesNotStartAClockThatWasStopped) {
    CPlayLayer* play = enterPlay();
    showStubQuestion(307);
    tick(2);
    // Answered: the clock stopped while the verdict is on its way.
    CQuestionMission::instance()->submitAnswer("a", 0, 0, 0);
    play->openPauseMenu();
    play->resumePlay();
    tick(45);
    EXPECT_EQ(play->remaining(), 38);
    EXPECT_FALSE(play->hasTimedOut());
}

TEST_F(PlayClockTest, ContestPlayAsksBeforeLeavingAndChallengeShowsItsCounter) {
    SceneDirector::instance().registerScene(23, [] { return CCScene::create(); });
    SceneDirector::instance().switchTo(23);
    engine::testing::stepSeconds(0.3f);
    CPlayLayer* play = enterPlay();
    engine::testing::pressBack();
    EXPECT_EQ(play->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    bool asked = false;
    for (unsigned i = 0; i < play->getChildrenCount(); ++i) {
        if (auto* box = dynamic_cast<CMyMessageBox*>(static_cast<CCObject*>(play->getChildren()->objectAtIndex(i)))) {
            asked = box->messageText() == "HDPlayLayerBackToMain-zh";
            box->handleRelease(box->button(1)->getPosition());
        }
    }
    EXPECT_TRUE(asked);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);

    SceneDirector::instance().registerScene(28, [] { return CCScene::create(); });
    SceneDirector::instance().switchTo(28);
    engine::testing::stepSeconds(0.3f);
    play = enterPlay();
    EXPECT_STREQ(play->answeredLabel()->getString(), "OnePerAll-zh");
    EXPECT_FLOAT_EQ(play->answeredLabel()->getPositionX(), 195);
}

} // namespace
