// What follows a verdict: the answer box by status with its sound, with and without the
// advertisement block, its buttons and reward flights, and the option dialog when the chosen
// option carries a link.
#include "app/SceneDirector.h"
#include "data/AdStore.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "quiz/AddCarrot.h"
#include "quiz/AnswerBox.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CInputRecommenderLayer.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class AnswerFeedbackTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        AdStore::instance().setFolder(m_folder);
        m_play = enterPlay();
        m_screen = showStubQuestion(401);
    }
    // The verdict as the answer parser leaves it, then the mission's handler.
    void verdict(int status, AnswerResult result = {}) {
        QuizData::instance().lastResult = std::make_unique<AnswerResult>(result);
        CQuestionMission::instance()->submitAnswer("a", 0, 0, QuizData::instance().selectedOptionIndex);
        CQuestionMission::instance()->onAnswerResult(status);
    }
    AnswerBox* box() {
        auto boxes = childrenOf<AnswerBox>(m_play);
        return boxes.size() == 1 ? boxes[0] : nullptr;
    }
    bool touched(const std::string& name) {
        AdStore::instance().loadTouched();
        for (const AdRecord& record : AdStore::instance().records()) {
            if (record.name == name) return true;
        }
        return false;
    }
    CPlayLayer* m_play = nullptr;
    StubScreen* m_screen = nullptr;
};

TEST_F(AnswerFeedbackTest, VerdictPicksTitleAndSound) {
    struct Case {
        int status;
        const char* title; // null: no answer box
        const char* sound;
    };
    const Case cases[] = {
        {0, "AnswerRight-zh", "right.mp3"},
        {1, "AnswerError-zh", "WRONG.mp3"},
        {2, "AnswerError-zh", "WRONG.mp3"},
        {3, nullptr, nullptr},
        {7, nullptr, nullptr},
    };
    int qsid = 410;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        for (AnswerBox* old : childrenOf<AnswerBox>(m_play)) old->removeFromParent();
        for (CMyMessageBox* old : childrenOf<CMyMessageBox>(m_play)) old->removeFromParent();
        audio().clear();
        m_screen = showStubQuestion(qsid++);
        verdict(c.status);
        EXPECT_TRUE(m_screen->isAnswered());
        engine::testing::stepFrames(3, 1.0f);
        EXPECT_EQ(m_play->remaining(), 40); // the clock stopped with the answer
        if (c.title) {
            ASSERT_NE(box(), nullptr);
            EXPECT_NE(engine::testing::dumpTree(box()).find(std::string("text=\"") + c.title), std::string::npos);
            EXPECT_EQ(effectCount(c.sound), 1);
        } else {
            EXPECT_EQ(box(), nullptr);
            EXPECT_EQ(effectCount("right.mp3") + effectCount("WRONG.mp3"), 0);
        }
        const auto messages = childrenOf<CMyMessageBox>(m_play);
        EXPECT_EQ(messages.size(), c.title ? 0u : 1u);
        if (!messages.empty()) {
            EXPECT_EQ(messages[0]->messageText(), "gameover-zh");
        }
    }
}

TEST_F(AnswerFeedbackTest, BoxWithoutAdIsShortAndWithAdOpensTheLink) {
    verdict(0, AnswerResult{0, 0, 0, 0, "because", "", "", "", "", "", ""});
    AnswerBox* plain = box();
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->hasAdBlock());
    EXPECT_FALSE(plain->titleBand()->isVisible());
    EXPECT_FLOAT_EQ(plain->background()->getScaleY(), 400.0f / 640);
    EXPECT_FLOAT_EQ(plain->background()->getPositionY(), -10);
    EXPECT_EQ(plain->adMenu(), nullptr);
    plain->removeFromParent();

    m_screen = showStubQuestion(402);
    AnswerResult withAd{0, 0, 0, 0, "because", "", "Carrot Farm", "grow carrots", "http://ad.invalid/farm",
                        "com.farm", ""};
    verdict(1, withAd);
    AnswerBox* advert = box();
    ASSERT_NE(advert, nullptr);
    EXPECT_TRUE(advert->hasAdBlock());
    EXPECT_TRUE(advert->titleBand()->isVisible());
    EXPECT_FLOAT_EQ(advert->background()->getScaleY(), 480.0f / 640);
    ASSERT_NE(advert->adMenu(), nullptr);
    EXPECT_NE(engine::testing::dumpTree(advert).find("Carrot Farm"), std::string::npos);
    EXPECT_FALSE(touched("com.farm")); // stored as shown by the verdict
    // The ad button sits above the box's own touch handling: touch it where it is drawn.
    engine::testing::stepSeconds(0.3f);
    engine::testing::tap(480 + 180, 320 - 255);
    EXPECT_TRUE(touched("com.farm"));
    EXPECT_EQ(m_platform->opened, std::vector<std::string>{"http://ad.invalid/farm"});
    EXPECT_NE(box(), nullptr); // the box stays
}

TEST_F(AnswerFeedbackTest, ButtonsGoOnOrAwayByPlayer) {
    for (const char* name : {"", "13800000001"}) {
        SCOPED_TRACE(name);
        UserSession::instance().setUserName(name);
        m_screen = showStubQuestion(std::string(name).empty() ? 420 : 421);
        verdict(0);
        AnswerBox* answer = box();
        ASSERT_NE(answer, nullptr);
        const std::string left = std::string(name).empty() ? "Registration-zh" : "ReturnMain-zh";
        EXPECT_NE(engine::testing::dumpTree(answer).find("text=\"" + left), std::string::npos);
        // "NextQuestion" (the right button) goes on with the run.
        QuizData::instance().qsidQueue = {77, 78};
        answer->handleRelease(answer->noButton()->getPosition());
        EXPECT_EQ(box(), nullptr);
        EXPECT_EQ(QuizData::instance().currentQsid, 77);
    }
    m_screen = showStubQuestion(422);
    verdict(0);
    SceneDirector::instance().registerScene(14, [] { return CCScene::create(); });
    box()->handleRelease(box()->yesButton()->getPosition());
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2); // the player has a name: the main menu
}

TEST_F(AnswerFeedbackTest, RewardsFlyOnlyForWhatWasEarned) {
    verdict(0, AnswerResult{0, 0, 0, 0, "", "", "", "", "", "", ""});
    EXPECT_TRUE(childrenOf<AddCarrot>(box()).empty());
    box()->removeFromParent();

    GameData::instance().user.infoFilled = true;
    m_screen = showStubQuestion(431);
    audio().clear();
    verdict(0, AnswerResult{10, 5, 2, 0, "", "", "", "", "", "", ""});
    auto flights = childrenOf<AddCarrot>(box());
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_FLOAT_EQ(flights[0]->getPositionX(), -30);
    EXPECT_FLOAT_EQ(flights[1]->getPositionX(), 30);
    EXPECT_EQ(flights[0]->moneyCounter(), 5);
    EXPECT_EQ(flights[1]->scoreCounter(), 12); // addscore and awardScore together
    engine::testing::stepSeconds(1.1f);
    EXPECT_EQ(effectCount("Carrot.mp3"), 1); // the sound of the last kind, a second in
}

TEST_F(AnswerFeedbackTest, LinkedOptionAsksFirstThenShowsTheVerdict) {
    QuizData& quiz = QuizData::instance();
    quiz.current->jumpUrls = {"", "http://ad.invalid/b"};
    quiz.current->jumpNames = {"", "com.b"};
    quiz.selectedOptionIndex = 1;
    verdict(0);
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    auto* dialog = dynamic_cast<CInputRecommenderLayer*>(scene->getChildByTag(CQuestionMission::kOptionDialogTag));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->mode(), CInputRecommenderLayer::kChoice);
    EXPECT_EQ(box(), nullptr);
    dialog->onOk();
    EXPECT_EQ(scene->getChildByTag(CQuestionMission::kOptionDialogTag), nullptr);
    ASSERT_NE(box(), nullptr);
    EXPECT_EQ(box()->adUrl(), "http://ad.invalid/b");
    EXPECT_EQ(box()->apkName(), "com.b");
    AdStore::instance().setTouchByName("Ad", "com.b", "1");
    EXPECT_TRUE(touched("com.b")); // the verdict wrote the option's row

    // Declined: no link, the verdict alone.
    box()->removeFromParent();
    m_screen = showStubQuestion(441);
    quiz.current->jumpUrls = {"http://ad.invalid/a"};
    quiz.current->jumpNames = {"com.a"};
    quiz.selectedOptionIndex = 0;
    verdict(1);
    dialog = dynamic_cast<CInputRecommenderLayer*>(scene->getChildByTag(CQuestionMission::kOptionDialogTag));
    ASSERT_NE(dialog, nullptr);
    dialog->onBack();
    EXPECT_EQ(quiz.selectedOptionIndex, -1);
    ASSERT_NE(box(), nullptr);
    EXPECT_TRUE(box()->adUrl().empty());

    // An option without a link, or no option at all: the verdict at once.
    box()->removeFromParent();
    m_screen = showStubQuestion(442);
    quiz.current->jumpUrls = {"http://ad.invalid/a"};
    quiz.current->jumpNames = {"com.a"};
    quiz.selectedOptionIndex = -1;
    verdict(0);
    EXPECT_EQ(scene->getChildByTag(CQuestionMission::kOptionDialogTag), nullptr);
    EXPECT_NE(box(), nullptr);
}

TEST_F(AnswerFeedbackTest, UnknownPairShowsThePrizeButNoScreen) {
    // Between questions: the last answer stopped the clock.
    m_play->stopClock();
    QuestionStage::instance().removeCurrent();
    auto record = std::make_unique<QuestionRecord>();
    record->gametype = 2;
    record->playtype = 10;
    record->prizemoney = 8;
    QuizData::instance().questionQueue.push_back(std::move(record));
    CQuestionMission::instance()->MsgResponseQuestionData(0);
    ASSERT_NE(QuizData::instance().current, nullptr);
    EXPECT_EQ(QuizData::instance().currentPlayType, 10);
    EXPECT_NE(m_play->getChildByTag(CQuestionMission::kPrizeIconTag), nullptr);
    auto* prize = dynamic_cast<CCLabelBMFont*>(m_play->getChildByTag(CQuestionMission::kPrizeLabelTag));
    ASSERT_NE(prize, nullptr);
    EXPECT_STREQ(prize->getString(), "8");
    EXPECT_EQ(QuestionStage::instance().current(), nullptr);
    engine::testing::stepFrames(3, 1.0f);
    EXPECT_EQ(m_play->remaining(), 40);

    // A failed parse or an empty queue changes nothing.
    CQuestionMission::instance()->MsgResponseQuestionData(1);
    CQuestionMission::instance()->MsgResponseQuestionData(0);
    EXPECT_EQ(QuizData::instance().currentPlayType, 10);
}

} // namespace
