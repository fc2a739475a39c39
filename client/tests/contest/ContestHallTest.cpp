// The contest hall's schedule lines and where its buttons lead; the face-off; the main menu's way in.
#include "account/StartScenes.h"
#include "contest/CCHD_Mainlayer.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/HallTestSupport.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/CMainLayer.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/CCountDownLabel.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

// Schedules set by the test: the hours around the openings and a closed one-to-one, which the
// real server's fixed day never shows at one time.
class ContestHallTest : public HallTest {
protected:
    CCHD_Mainlayer* enterWith(const Json::Value& schedule) {
        Answers answers;
        answers.schedule = schedule;
        setAnswers(answers);
        enter(21);
        return screen<CCHD_Mainlayer>();
    }
    // The day with the challenge (type 3) and the one-to-one status changed.
    static Json::Value dayWith(const std::string& challengeStart, int doublesStatus = 1,
                               const std::string& teamStart = "20261209200000") {
        Json::Value day = openDay();
        day[0]["status"] = doublesStatus;
        day[1]["starttime"] = teamStart;
        day[2]["starttime"] = challengeStart;
        return day;
    }
};

// The schedule as the real server sends it at noon (its contest clock): one-to-one, the
// challenge and the day's exam (10:00-22:00) running, teams waiting for the evening.
class ContestHallServerTest : public HallServerTest {
protected:
    // The server again, its contest clock at `clock`, and the client logged in to it.
    void restartAt(const std::string& clock) {
        SceneDirector::instance().switchTo(2);
        engine::testing::stepSeconds(0.3f);
        ASSERT_TRUE(m_server.start(m_folder, clock));
        ASSERT_TRUE(m_server.logInClient("13900000002"));
    }
};

TEST_F(ContestHallServerTest, TheScheduleSetsALineOverEachCompetition) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    enter(21);
    CCHD_Mainlayer* hall = screen<CCHD_Mainlayer>();
    ASSERT_NE(hall, nullptr);
    EXPECT_TRUE(answered(served(26), 1));
    ASSERT_NE(hall->openLine(), nullptr);
    EXPECT_EQ(std::string(hall->openLine()->getString()), text("matchConducting"));
    ASSERT_NE(hall->countdown(2), nullptr);
    ASSERT_NE(hall->countdown(3), nullptr);
    ASSERT_NE(hall->countdown(4), nullptr);
    EXPECT_EQ(hall->countdown(2)->state(), CCountDownLabel::kWaiting);
    EXPECT_EQ(hall->countdown(3)->state(), CCountDownLabel::kRunning);
    EXPECT_EQ(hall->countdown(4)->state(), CCountDownLabel::kRunning);
    EXPECT_FALSE(hall->widget("gonggaodiwen")->isVisible());
    tapWidget(hall->widget("pkchallenge"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 28);
}

TEST_F(ContestHallServerTest, TheChallengeButtonFollowsItsCountdown) {
    // Opening soon: ten minutes before the start nothing happens yet.
    ASSERT_NO_FATAL_FAILURE(restartAt("2026-12-09 07:50:00"));
    enter(21);
    CCHD_Mainlayer* hall = screen<CCHD_Mainlayer>();
    ASSERT_NE(hall, nullptr);
    ASSERT_NE(hall->countdown(3), nullptr);
    ASSERT_EQ(hall->countdown(3)->state(), CCountDownLabel::kOpeningSoon);
    tapWidget(hall->widget("pkchallenge"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
    EXPECT_TRUE(boxes().empty());

    ASSERT_NO_FATAL_FAILURE(restartAt("2026-12-09 06:00:00"));
    enter(21);
    hall = screen<CCHD_Mainlayer>();
    ASSERT_NE(hall->countdown(3), nullptr);
    ASSERT_EQ(hall->countdown(3)->state(), CCountDownLabel::kWaiting);
    tapWidget(hall->widget("pkchallengebtn"));
    EXPECT_NE(boxSaying(text("HDWait")), nullptr);

    ASSERT_NO_FATAL_FAILURE(restartAt(ContestServer::kNoon));
    enter(21);
    tapWidget(screen<CCHD_Mainlayer>()->widget("pkchallenge"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 28);
}

TEST_F(ContestHallTest, BeforeTheScheduleArrivesTheHallsAreOpen) {
    // Without a session nothing goes out, so the schedule never comes.
    UserSession::instance().setLoginValues(0, "");
    enter(21);
    CCHD_Mainlayer* hall = screen<CCHD_Mainlayer>();
    ASSERT_NE(hall, nullptr);
    EXPECT_EQ(hall->countdown(3), nullptr);
    tapWidget(hall->widget("pkchallenge"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 28);

    enter(21);
    tapWidget(screen<CCHD_Mainlayer>()->widget("pkvs"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);
}

TEST_F(ContestHallTest, AClosedOneToOneOffersWhatOpensSoon) {
    // Team match in ten minutes, challenge running: the notice names the team match, the way leads
    // to the challenge.
    CCHD_Mainlayer* hall = enterWith(dayWith("20261209080000", 0, "20261209121000"));
    EXPECT_EQ(std::string(hall->openLine()->getString()), text("matchClosed"));
    tapWidget(hall->widget("pkvsbtn"));
    CMyMessageBox* box = boxSaying(text("TDSJiJiangStart"));
    ASSERT_NE(box, nullptr);
    pressSure(box);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 28);

    hall = enterWith(dayWith("20261209180000", 0));
    tapWidget(hall->widget("pkvs"));
    CMyMessageBox* closed = boxSaying(text("matchClosedTip"));
    ASSERT_NE(closed, nullptr);
    EXPECT_FALSE(hasCancel(closed));
    pressSure(closed);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
}

TEST_F(ContestHallTest, GuestsRegisterFirstAndPlayersNotLoggedInLogIn) {
    StoredSettings::storeUserName("");
    CCHD_Mainlayer* hall = enterWith(openDay());
    ASSERT_NE(hall, nullptr);
    CMyMessageBox* box = boxSaying(text("HDMainLayerRunRegister"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(sent(26).empty());
    pressSure(box);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 14);

    StoredSettings::storeUserName("13800000002");
    UserSession::instance().setAccountKind(2);
    enterWith(openDay());
    box = boxSaying(text("notLoginTip"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->titleText(), text("FriendlyTip"));
    pressCancel(box);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
    EXPECT_TRUE(sent(26).empty());
}

TEST_F(ContestHallTest, TheFaceOffSwitchesToContestPlayWhenItsAnimationEnds) {
    CCScene* scene = enterScene(23);
    CHD_LoadingLayer* faceOff = CHD_LoadingLayer::create(CHD_LoadingLayer::kDoubles, 12, "小白兔", 17, "大灰狼");
    ASSERT_NE(faceOff, nullptr);
    scene->addChild(faceOff);
    ASSERT_NE(faceOff->vsPicture(), nullptr);
    const float startY = faceOff->vsPicture()->getPositionY();
    engine::testing::stepSeconds(1.2f);
    EXPECT_NEAR(faceOff->vsPicture()->getPositionY(), startY - 520, 0.5f);
    engine::testing::stepSeconds(2.0f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);
    engine::testing::stepSeconds(0.5f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 22);

    scene = enterScene(29);
    CHD_LoadingLayer* exam = CHD_LoadingLayer::create(CHD_LoadingLayer::kExam, 12, "小白兔");
    ASSERT_NE(exam, nullptr);
    scene->addChild(exam);
    engine::testing::stepSeconds(3.8f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 29);
    engine::testing::stepSeconds(0.4f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 22);
}

TEST_F(ContestHallTest, TheMainMenuLeadsToTheContestHallAndSlowsTheHeartbeat) {
    registerStartScenes();
    NetManager::instance().setHeartbeatInterval(1.0f);
    enter(2);
    CMainLayer* menu = screen<CMainLayer>();
    ASSERT_NE(menu, nullptr);
    EXPECT_FLOAT_EQ(NetManager::instance().heartbeatInterval(), 20.0f);
    cocos2d::extension::UIWidget* pk = menu->uiRoot()->getWidgetByName("pkbtn");
    ASSERT_NE(pk, nullptr);
    // Whatever the menu put up on its first entry stays out of the way of the button.
    for (CMyMessageBox* box : boxes()) box->removeFromParent();
    tapWidget(pk);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
}

} // namespace

namespace {

TEST_F(ContestHallTest, EveryTextTheHallsShowIsInTheGamesTexts) {
    for (const char* key :
         {"HDDoublesRank", "HDDoublesInsturction", "HDChallengeRank", "HDChallengeInsturction", "HDDoublesChallengeNum",
          "HDDoublesTimeSurplus", "HDDoublesThrowDownTheChallenge", "HDDoublesLayerLack", "HDDoublesLayerTrue",
          "HDDoublesLayerTrueJ", "HDDoublesLayerOkOK", "HDMoneyNEnough", "bisaijinxingzhong", "HDNoWisdomKing",
          "HDKingCanNotChallenge", "theNetIsDie", "matchConducting", "matchClosed", "TDSJiJiangStart", "TZSJiJiangStart",
          "KSJiJiangStart", "matchClosedTip", "HDWait", "HDEndedTip", "HDMainLayerRunRegister", "RegisterNow", "nextTime",
          "notLoginTip", "FriendlyTip", "sure", "cancel"}) {
        const std::string chinese = text(key);
        EXPECT_FALSE(chinese.empty()) << key;
        // Every text is Chinese: at least one three-byte character.
        EXPECT_TRUE(chinese.find_first_of("\xe4\xe5\xe6\xe7\xe8\xe9") != std::string::npos) << key << ": " << chinese;
    }
}

} // namespace
