// The end of a contest and the ways out of it: whose side of the pushed result is the player's,
// the counting reward, the opponent who fled, the still-answering banner, leaving a running
// contest, a team match's result, and a contest begun in the real one-to-one hall.
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/CHD_ResultLayer.h"
#include "contest/ContestPlaySupport.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

std::string text(const char* key) { return LocalText::instance().text(key); }

class ContestPlayResultTest : public ContestPlayTest {
protected:
    CMyMessageBox* box(int tag) const { return dynamic_cast<CMyMessageBox*>(contestLayer()->getChildByTag(tag)); }
    static void press(CMyMessageBox* box, int button) { box->handleRelease(box->button(button)->getPosition()); }
    static bool badgeShown(CHD_ResultLayer* dialog, const char* name) {
        UIWidget* badge = dialog->layout()->getWidgetByName(name);
        return badge && badge->isVisible();
    }
    static std::string countText(CHD_ResultLayer* dialog, int tag) {
        auto* label = dynamic_cast<CCLabelTTF*>(dialog->getChildByTag(tag));
        return label ? label->getString() : "";
    }
    // The "act" 4 requests sent since the last call (the halls send their own "act" 1 and 2).
    std::vector<Json::Value> leaveRequests() {
        std::vector<Json::Value> found;
        const auto all = requests(27);
        for (std::size_t i = m_leavesSeen; i < all.size(); ++i) {
            if (all[i]["act"].asInt() == 4) found.push_back(all[i]);
        }
        m_leavesSeen = all.size();
        return found;
    }
    std::size_t m_leavesSeen = 0;
    std::string lastMusic() {
        const auto calls = audio().callsNamed("playMusic");
        return calls.empty() ? "" : calls.back().file;
    }
};

TEST_F(ContestPlayResultTest, TheSideThatNamesThePlayersIdIsTheOwnColumn) {
    struct Case {
        Json::Value challenge, challenge2;
        int iswin;
        const char* ownName;
        const char* badge;
    };
    // Ids come as decimal strings; a number is read the same.
    const Case cases[] = {{"10001", "20002", 1, "一号", "win"},
                          {"20002", "10001", 1, "二号", "lose"},
                          {20002, 10001, 2, "二号", "tied"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ownName + std::string(" ") + c.badge);
        CHD_PlayLayer* play = enterContest(23);
        ASSERT_NE(play, nullptr);
        showQuestion(901);
        engine::testing::stepSeconds(2.5f);
        Json::Value v = result("", "", c.iswin);
        v["challenge"] = c.challenge;
        v["challenge2"] = c.challenge2;
        const int money = GameData::instance().user.money;
        const int score = GameData::instance().user.score;
        push(v);
        CHD_ResultLayer* dialog = play->resultDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->getParent(), play);
        EXPECT_EQ(dialog->getZOrder(), CHD_PlayLayer::kResultZ);
        EXPECT_EQ(dialog->mode(), 1);
        EXPECT_EQ(dialog->own().name, c.ownName);
        EXPECT_NE(dialog->opponent().name, c.ownName);
        EXPECT_TRUE(badgeShown(dialog, c.badge));
        for (const char* other : {"win", "lose", "tied"}) {
            if (std::string(other) != c.badge) EXPECT_FALSE(badgeShown(dialog, other)) << other;
        }
        // The rewards count up from 0 to what each side won.
        EXPECT_EQ(countText(dialog, CHD_ResultLayer::kOwnCountTag), fillText(text("getAward"), {"0"}));
        engine::testing::stepSeconds(0.5f);
        EXPECT_EQ(countText(dialog, CHD_ResultLayer::kOwnCountTag),
                  fillText(text("getAward"), {std::to_string(dialog->own().rewardAmount)}));
        EXPECT_EQ(countText(dialog, CHD_ResultLayer::kOpponentCountTag),
                  fillText(text("getAward"), {std::to_string(dialog->opponent().rewardAmount)}));
        // The contest is over: no clock, no cover between the player and "sure".
        EXPECT_FALSE(play->isRunning());
        EXPECT_EQ(play->getChildByTag(CHD_CQuestionMission::kWaitingCoverTag), nullptr);
        EXPECT_EQ(GameData::instance().user.money, money) << "a contest's money is the server's to add";
        EXPECT_EQ(GameData::instance().user.score, score);
        dialog->pressSure();
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);
    }
}

TEST_F(ContestPlayResultTest, SureLeadsToTheHallOfTheContestAndTheMenuMusicComesBack) {
    CHD_PlayLayer* play = enterContest(28);
    ASSERT_NE(play, nullptr);
    EXPECT_NE(lastMusic().find("bgMusic_game.mp3"), std::string::npos);
    showQuestion(911);
    pushQuestion(912); // pushed after the last poll: must not outlive the contest
    Json::Value v = result("10001", "20002", 0);
    v["matchtype"] = 3;
    push(v);
    ASSERT_NE(play->resultDialog(), nullptr);
    EXPECT_EQ(play->resultDialog()->mode(), 3);
    play->resultDialog()->pressSure();
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 28);
    EXPECT_NE(lastMusic().find("bgMusic_main.mp3"), std::string::npos);
    EXPECT_TRUE(QuizData::instance().questionQueue.empty());
    EXPECT_EQ(QuestionStage::instance().host(), nullptr);
}

TEST_F(ContestPlayResultTest, AnOpponentWhoFledIsToldBeforeTheResult) {
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    showQuestion(921);
    push(result("10001", "20002", 1, 1));
    CMyMessageBox* fled = box(CHD_PlayLayer::kFleeBoxTag);
    ASSERT_NE(fled, nullptr);
    EXPECT_EQ(fled->messageText(), text("DuiShouTaoPao"));
    ASSERT_NE(play->resultDialog(), nullptr);
    EXPECT_EQ(play->resultDialog()->getParent(), nullptr) << "not before the box is closed";
    push(result("10001", "20002", 1, 1));
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kFleeBoxTag), 1) << "one result per contest";
    press(fled, 1);
    ASSERT_NE(play->resultDialog()->getParent(), nullptr);
    EXPECT_EQ(play->resultDialog()->getZOrder(), CHD_PlayLayer::kResultZ);
    EXPECT_EQ(play->resultDialog()->own().name, "一号");
}

TEST_F(ContestPlayResultTest, TheStillAnsweringBannerShowsOncePerQuestion) {
    CHD_PlayLayer* play = enterContest(28);
    ASSERT_NE(play, nullptr);
    showQuestion(931);
    tapOption(0);
    ASSERT_TRUE(pumpUntilIdle());
    for (int i = 0; i < 4; ++i) pushText(R"({"system":32,"act":2,"teammatchstatus":0})");
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 1);
    EXPECT_TRUE(logged("enemy is answering"));
    engine::testing::stepSeconds(3.0f);
    pushText(R"({"system":32,"act":2,"teammatchstatus":0})");
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 1);
    showQuestion(932);
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 0) << "the next question clears it";
    pushText(R"({"system":32,"act":2,"teammatchstatus":0})");
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 1);
}

TEST_F(ContestPlayResultTest, LeavingAsksFirstAndTellsTheServer) {
    struct Case {
        int hall, matchType;
    };
    for (const Case& c : {Case{23, 1}, Case{28, 3}}) {
        SCOPED_TRACE(c.hall);
        CHD_PlayLayer* play = enterContest(c.hall);
        ASSERT_NE(play, nullptr);
        showQuestion(940 + c.hall);
        ASSERT_NE(play->backButton(), nullptr);
        tapNode(play->backButton());
        CMyMessageBox* ask = box(CHD_PlayLayer::kLeaveBoxTag);
        ASSERT_NE(ask, nullptr);
        EXPECT_EQ(ask->messageText(), text("HDPlayLayerBackToMain"));
        EXPECT_EQ(ask->getZOrder(), CHD_PlayLayer::kBoxZ);
        EXPECT_TRUE(QuestionStage::instance().current()->isAnswered()) << "no answer behind the box";
        engine::testing::stepFrames(2, 1.0f);
        EXPECT_EQ(std::string(play->clockLabel()->getString()), "38") << "the clock keeps running";
        // Staying gives the question back.
        press(ask, 2);
        EXPECT_FALSE(QuestionStage::instance().current()->isAnswered());
        EXPECT_TRUE(leaveRequests().empty());

        engine::testing::pressBack();
        ask = box(CHD_PlayLayer::kLeaveBoxTag);
        ASSERT_NE(ask, nullptr) << "the back key asks too";
        press(ask, 1);
        const auto leaves = leaveRequests();
        ASSERT_EQ(leaves.size(), 1u);
        EXPECT_EQ(leaves[0]["matchtype"].asInt(), c.matchType);
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.hall);
    }
}

TEST_F(ContestPlayResultTest, AnAnsweredQuestionStaysLockedAfterStaying) {
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    showQuestion(951);
    tapOption(1);
    ASSERT_TRUE(pumpUntilIdle());
    play->openPauseMenu();
    press(box(CHD_PlayLayer::kLeaveBoxTag), 2);
    EXPECT_TRUE(QuestionStage::instance().current()->isAnswered());
}

TEST_F(ContestPlayResultTest, ATeamMatchResultAddsItsPrizeToThePlayersRecord) {
    struct Case {
        int prizeType, prizeNum, money, score;
    };
    for (const Case& c : {Case{1, 30, 66, 1280}, Case{0, 25, 36, 1305}}) {
        SCOPED_TRACE(c.prizeType);
        UserInfo& user = GameData::instance().user;
        user.money = 36;
        user.score = 1280;
        GameData::instance().teamMatchStatus = 3;
        GameData::instance().myTeam.myTeamName = "兔子队";
        m_teamPrize = Json::Value(Json::objectValue);
        m_teamPrize["prizetype"] = c.prizeType;
        m_teamPrize["prizenum"] = c.prizeNum;
        m_teamPrize["rightcount"] = 8;
        m_teamPrize["wrongcount"] = 2;
        m_teamPrize["score"] = 80;
        m_teamPrize["teamscore"] = 420;
        m_teamPrize["times"] = 96;
        SceneDirector::instance().registerTeamInfo([](const TeamInfo&, int) { return CCScene::create(); });
        SceneDirector::instance().showTeamInfo(TeamInfo{}, 0);
        engine::testing::stepSeconds(0.3f);
        SceneDirector::instance().switchTo(22);
        engine::testing::stepSeconds(0.3f);
        CHD_PlayLayer* play = contestLayer();
        ASSERT_NE(play, nullptr);
        ASSERT_TRUE(pumpUntilIdle());
        pushText(R"({"system":10,"teammatchstatus":4})");
        pushText(R"({"system":10,"teammatchstatus":4})");
        EXPECT_EQ(requests(49).size(), static_cast<std::size_t>(c.prizeType == 1 ? 1 : 2)) << "once per match";
        CHD_ResultLayer* dialog = play->resultDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->mode(), 2);
        EXPECT_EQ(dialog->own().name, "兔子队");
        EXPECT_EQ(dialog->own().outcome, 420);
        EXPECT_EQ(user.money, c.money);
        EXPECT_EQ(user.score, c.score);
        dialog->pressSure();
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 25);
    }
}

TEST_F(ContestPlayResultTest, AContestBegunInTheOneToOneHallIsPlayedHere) {
    SceneDirector::instance().switchTo(23);
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
    pushText(R"({"system":28,"act":3,"matchtype":1,"eqquse":1,"challenge":"20002","name":"大灰狼","level":17,)"
             R"("winper":60,"headpic":"","qscount":5,"teammatchstatus":0})");
    // The first question comes while the face-off is still up.
    engine::testing::stepSeconds(1.0f);
    pushQuestion(961);
    engine::testing::stepSeconds(4.0f);
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 22);
    CHD_PlayLayer* play = contestLayer();
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(QuizData::instance().currentQsid, 961);
    EXPECT_EQ(std::string(play->nameLabel(1)->getString()), "大灰狼");
    EXPECT_EQ(std::string(play->counterLabel()->getString()), "1/5");
    EXPECT_EQ(NetManager::instance().heartbeatInterval(), 1.0f);
    tapOption(3);
    const auto sent = requests(30);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["qsid"].asInt(), 961);
}

} // namespace
