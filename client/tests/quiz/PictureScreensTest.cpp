// The picture choice screens: the scratch card's count and award, the picture choices and their
// loading cover, and that a picture which never arrives does not hold the question forever.
#include "quiz/QuizScreenSupport.h"

#include "account/ServerProcess.h"
#include "app/SceneDirector.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CChooseImageLayer.h"
#include "quiz/CImageChooseTextLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/ChoiceSamelayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"
#include "widgets/CImageView.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

class PictureScreensTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        enterPlay();
        // Every question picture is already on disk unless a test says otherwise.
        for (const char* name : {"q.png", "p0.png", "p1.png", "p2.png", "p3.png"}) {
            downloaded(name, resourcePicture("common_pictureBg.png"));
        }
    }
    CImageChooseTextLayer* scratchCard(int awardType, int awardNum) {
        QuestionRecord& question = setQuestion(2, 13, {"太阳", "月亮", "星星", "云朵"});
        auto& image = std::get<ImageQuestion>(question.details);
        image.img = "q.png";
        image.awardtype = awardType;
        image.awardnum = awardNum;
        return dynamic_cast<CImageChooseTextLayer*>(draw());
    }
    // Fingers drawn over every cover point, row by row.
    static void scratchEverything(CImageChooseTextLayer* screen) {
        const CCPoint c = screen->pictureCentre();
        for (float y = c.y + 200; y >= c.y - 200; y -= 20) {
            for (float x = c.x - 200; x <= c.x + 200; x += 10) screen->scratchAt(ccp(x, y));
        }
        screen->measureScratch();
    }
    void chooseOption(CImageChooseTextLayer* screen, int k) {
        CAddAnswerMenu* menu = nullptr;
        for (CCObject* child : *screen->getChildren()) {
            if (auto* found = dynamic_cast<CAddAnswerMenu*>(child)) menu = found;
        }
        ASSERT_NE(menu, nullptr);
        const CCPoint at = worldOf(menu->item(k));
        et::tap(at.x, at.y);
    }
};

TEST_F(PictureScreensTest, ScratchCountFollowsTheUncoveredPoints) {
    CImageChooseTextLayer* screen = scratchCard(0, 0);
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->getChildByTag(CImageChooseTextLayer::kCardTag), nullptr);
    EXPECT_EQ(screen->coverPointsLeft(), 121);
    EXPECT_EQ(screen->awardIcon(), nullptr); // award type 0: nothing under the card
    screen->measureScratch();
    EXPECT_EQ(screen->scratchCount(), 0);

    // One stroke along the top row: 11 points, (11 / 10) - 1 = 0.1, cut to 0.
    const CCPoint c = screen->pictureCentre();
    for (float x = c.x - 200; x <= c.x + 200; x += 10) screen->scratchAt(ccp(x, c.y + 200));
    screen->measureScratch();
    EXPECT_EQ(screen->coverPointsLeft(), 110);
    EXPECT_EQ(screen->scratchCount(), 0);
    // Three more rows: 44 points, 3.4 cut to 3.
    for (int row = 1; row <= 3; ++row) {
        for (float x = c.x - 200; x <= c.x + 200; x += 10) screen->scratchAt(ccp(x, c.y + 200 - 40 * row));
    }
    screen->measureScratch();
    EXPECT_EQ(screen->scratchCount(), 3);

    scratchEverything(screen);
    EXPECT_EQ(screen->coverPointsLeft(), 0);
    EXPECT_EQ(screen->scratchCount(), 9); // 11.1 held at 9
    chooseOption(screen, 1);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "月亮");
    EXPECT_EQ(m_submitted[0].optionIndex, 1);
}

TEST_F(PictureScreensTest, FingersScratchThroughTheTouchDispatcher) {
    CImageChooseTextLayer* screen = scratchCard(0, 0);
    const CCPoint c = screen->pictureCentre();
    et::touchBegan(c.x - 200, c.y + 200, 0);
    et::touchBegan(c.x - 200, c.y + 160, 1);
    for (float x = c.x - 200; x <= c.x + 200; x += 10) {
        et::touchMoved(x, c.y + 200, 0);
        et::touchMoved(x, c.y + 160, 1);
    }
    EXPECT_EQ(screen->coverPointsLeft(), 121 - 22);
    EXPECT_EQ(screen->scratchCount(), 0); // measured when a finger lifts
    et::touchEnded(c.x + 200, c.y + 200, 0);
    et::touchEnded(c.x + 200, c.y + 160, 1);
    EXPECT_EQ(screen->scratchCount(), 1); // 22 / 10 - 1 = 1.2
}

TEST_F(PictureScreensTest, TheAwardIsCollectedOnceAndOnlyWhenUncovered) {
    for (int awardType : {1, 2}) {
        SCOPED_TRACE(awardType);
        m_submitted.clear();
        CImageChooseTextLayer* screen = scratchCard(awardType, 5);
        ASSERT_NE(screen->awardIcon(), nullptr);
        CCSprite* icon = screen->awardIcon();
        // Wholly under the card.
        const CCRect box = icon->boundingBox();
        const CCPoint c = screen->pictureCentre();
        EXPECT_GE(box.getMinX(), c.x - 200 - 0.01f);
        EXPECT_LE(box.getMaxX(), c.x + 200 + 0.01f);
        EXPECT_GE(box.getMinY(), c.y - 200 - 0.01f);
        EXPECT_LE(box.getMaxY(), c.y + 200 + 0.01f);

        // Strokes away from the icon collect nothing.
        const CCPoint home = icon->getPosition();
        screen->scratchAt(ccp(home.x > c.x ? c.x - 190 : c.x + 190, home.y));
        EXPECT_EQ(screen->collectedAward(), 0);

        screen->scratchAt(home);
        EXPECT_EQ(screen->collectedAward(), 5);
        screen->scratchAt(ccp(home.x + 1, home.y)); // the same stroke goes on over it
        et::stepSeconds(1.05f);
        EXPECT_EQ(icon->getPosition().x, 890);
        EXPECT_EQ(icon->getPosition().y, 480);
        EXPECT_FLOAT_EQ(icon->getScale(), 0.5f);
        int labels = 0;
        for (CCObject* child : *screen->getChildren()) {
            if (auto* label = dynamic_cast<CCLabelBMFont*>(child)) {
                labels += 1;
                EXPECT_STREQ(label->getString(), "5");
                EXPECT_EQ(label->getPosition().x, 930);
            }
        }
        EXPECT_EQ(labels, 1);
        EXPECT_EQ(screen->collectedAward(), 5);
        chooseOption(screen, 0);
        ASSERT_EQ(m_submitted.size(), 1u);
        EXPECT_EQ(m_submitted[0].answer, "太阳");
    }
    // Never uncovered: nothing collected.
    CImageChooseTextLayer* screen = scratchCard(1, 5);
    screen->measureScratch();
    EXPECT_EQ(screen->collectedAward(), 0);
    EXPECT_EQ(screen->scratchCount(), 0);
}

TEST_F(PictureScreensTest, PictureWithTextOptionsTakesNoScratchesAndRunsOnceLoaded) {
    QuestionRecord& question = setQuestion(2, 7, {"2个", "3个", "4个", "5个"});
    std::get<ImageQuestion>(question.details).img = "q.png";
    auto* screen = dynamic_cast<CImageChooseTextLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->scratchCard(), nullptr);
    EXPECT_TRUE(clockRunning()); // the picture was on disk already
    screen->scratchAt(screen->pictureCentre());
    EXPECT_EQ(screen->coverPointsLeft(), 0);
    EXPECT_EQ(screen->collectedAward(), 0);
}

TEST_F(PictureScreensTest, ChooseImagePlacesTwoOrFourPicturesAndSendsALetter) {
    struct Case {
        int answers;
        std::vector<CCPoint> places;
        float side;
    };
    const Case cases[] = {
        {2, {{250, 280}, {730, 280}}, 400},
        {4, {{350, 370}, {630, 370}, {350, 160}, {630, 160}}, 200},
        {3, {}, 0},
    };
    const char* letters[] = {"A", "B", "C", "D"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers);
        std::vector<std::string> answers;
        for (int k = 0; k < c.answers; ++k) answers.push_back("p" + std::to_string(k) + ".png");
        for (std::size_t k = 0; k < std::max<std::size_t>(c.places.size(), 1); ++k) {
            m_submitted.clear();
            setQuestion(2, 8, answers);
            auto* screen = dynamic_cast<CChooseImageLayer*>(draw());
            ASSERT_NE(screen, nullptr);
            // Everything was on disk: no cover, the clock runs.
            EXPECT_EQ(screen->getChildByTag(CChooseImageLayer::kCoverTag), nullptr);
            EXPECT_TRUE(clockRunning());
            ASSERT_EQ(screen->pictures().size(), c.places.size());
            if (c.places.empty()) break;
            CImageView* picture = screen->pictures()[k];
            EXPECT_EQ(picture->getPosition().x, c.places[k].x);
            EXPECT_EQ(picture->getPosition().y, c.places[k].y);
            EXPECT_EQ(picture->getContentSize().width, c.side);
            // The corner of its box still counts.
            et::tap(c.places[k].x + c.side / 2, c.places[k].y - c.side / 2);
            ASSERT_EQ(m_submitted.size(), 1u);
            EXPECT_EQ(m_submitted[0].answer, letters[k]);
            EXPECT_EQ(m_submitted[0].optionIndex, static_cast<int>(k));
        }
    }
}

TEST_F(PictureScreensTest, SamePictureWaitsForEveryPictureItHas) {
    QuestionRecord& question = setQuestion(2, 12, {"p0.png", "p1.png", "p2.png", "p3.png"});
    std::get<ImageQuestion>(question.details).img = "q.png";
    auto* screen = dynamic_cast<ChoiceSamelayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->getChildByTag(ChoiceSamelayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_EQ(screen->questionPicture()->getPosition().x, 250);
    EXPECT_EQ(screen->questionPicture()->getContentSize().width, 350);
    ASSERT_EQ(screen->pictures().size(), 4u);
    EXPECT_EQ(screen->pictures()[3]->getPosition().x, 800);
    EXPECT_EQ(screen->pictures()[3]->getPosition().y, 170);
    et::tap(800, 170);
    et::tap(600, 360); // once only
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "D");

    // Two answer pictures: the cover does not wait for the two that do not exist.
    setQuestion(2, 12, {"p0.png", "p1.png"});
    std::get<ImageQuestion>(QuizData::instance().current->details).img = "q.png";
    draw();
    EXPECT_EQ(screen->getChildByTag(ChoiceSamelayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
}

TEST_F(PictureScreensTest, PictureThatFailsToDownloadDoesNotHoldTheQuestion) {
    // A session, and a game server that refuses every connection.
    UserSession::instance().setLoginValues(42, "session");
    NetManager::instance().setHeartbeatInterval(1000); // only the pictures go out
    NetManager::instance().setGameEndpoint("127.0.0.1", LoopbackServer::closedPort());
    setQuestion(2, 9, {"far0.png", "far1.png", "far2.png", "far3.png"});
    auto* screen = dynamic_cast<CChooseImageLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_NE(screen->getChildByTag(CChooseImageLayer::kCoverTag), nullptr);
    EXPECT_FALSE(clockRunning());
    ASSERT_TRUE(pumpUntilIdle(30));
    EXPECT_EQ(screen->getChildByTag(CChooseImageLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    ASSERT_NE(screen->pictures()[0]->shade(), nullptr);
    EXPECT_TRUE(screen->pictures()[0]->shade()->isVisible()); // the empty slot stays dark
    // The player closes the network notice and can still answer.
    CCScene* scene = SceneDirector::instance().currentScene();
    ASSERT_NE(scene->getChildByTag(kNetworkBoxTag), nullptr);
    scene->removeChildByTag(kNetworkBoxTag, true);
    et::tap(630, 160);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "D");
}

TEST_F(PictureScreensTest, PictureThatNeverAnswersIsGivenUpOn) {
    // No session: the requests are never sent and no handler ever runs.
    UserSession::instance().setLoginValues(0, "");
    setQuestion(2, 12, {"far0.png", "far1.png", "far2.png", "far3.png"});
    std::get<ImageQuestion>(QuizData::instance().current->details).img = "farq.png";
    auto* screen = dynamic_cast<ChoiceSamelayer*>(draw());
    ASSERT_NE(screen, nullptr);
    et::stepSeconds(CPictureQuestionLayer::kGiveUpSeconds - 1);
    EXPECT_NE(screen->getChildByTag(ChoiceSamelayer::kCoverTag), nullptr);
    EXPECT_FALSE(clockRunning());
    et::stepSeconds(1.1f);
    EXPECT_EQ(screen->getChildByTag(ChoiceSamelayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
}

TEST_F(PictureScreensTest, ScratchCardAgainstTheRealServer) {
    std::unique_ptr<ServerProcess> server;
    startServerWithGuest(m_folder, server);
    if (!server) return;
    // This time the answers go to the server.
    CQuestionMission::instance()->setContestOffer(nullptr);

    struct Case {
        int qsid;
        std::string right;
        bool scratch; // everything, the hidden carrots included; or not at all
        int awardScore, awardMoney;
    };
    // 213001 hides 5 red carrots (award type 1, score); 213002 golden ones (type 2, money).
    const Case cases[] = {{213001, "太阳", true, 5, 0}, {213002, "鱼", false, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qsid);
        QuizData::instance().qsidQueue = {c.qsid};
        CQuestionMission::instance()->start();
        ASSERT_TRUE(pumpUntilIdle(15)); // the question, then its picture
        auto* screen = dynamic_cast<CImageChooseTextLayer*>(QuestionStage::instance().current());
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(clockRunning()); // the picture arrived
        if (QuizData::instance().current->prizemoney > 0) {
            CCNode* prize = m_host->getChildByTag(CQuestionMission::kPrizeIconTag);
            ASSERT_NE(prize, nullptr);
            EXPECT_FLOAT_EQ(prize->getScale(), 0.5f);
            EXPECT_EQ(prize->getPositionY(), 530);
            EXPECT_EQ(m_host->getChildByTag(CQuestionMission::kPrizeLabelTag)->getPositionY(), 530);
        }
        if (c.scratch) scratchEverything(screen);
        const auto& answers = QuizData::instance().current->answers;
        const int k = static_cast<int>(std::find(answers.begin(), answers.end(), c.right) - answers.begin());
        ASSERT_LT(k, 4);
        chooseOption(screen, k);
        ASSERT_TRUE(pumpUntilIdle(15));
        ASSERT_NE(QuizData::instance().lastResult, nullptr);
        EXPECT_EQ(QuizData::instance().lastResult->awardScore, c.awardScore);
        EXPECT_EQ(QuizData::instance().lastResult->awardMoney, c.awardMoney);
        EXPECT_GT(QuizData::instance().lastResult->addscore, 0); // judged right
        // The player leaves the verdict (the answer box, or the plain box the mission shows for a
        // verdict it does not know); the loop sets up the next question.
        EXPECT_EQ(closeVerdictBoxes(m_host), 1);
    }
}

} // namespace
