// The halls drawn for real through the offscreen GL context. With BRINDLE_SHOT_DIR set every frame
// is saved there as a PNG for a person to look at.
#include "account/StartScenes.h"
#include "contest/CCHD_Mainlayer.h"
#include "contest/CHD_ChallengeLayer.h"
#include "contest/CHD_DoublesLayer.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/HallTestSupport.h"
#include "app/SceneDirector.h"
#include "menu/CMainLayer.h"
#include "net/GameData.h"
#include "quiz/CCountDownLabel.h"
#include "quiz/RenderSupport.h"
#include "widgets/CMyMessageBox.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"


USING_NS_CC;
using namespace test_support;

namespace {

constexpr const char* kChallenge =
    R"({"system":28,"act":0,"name":"大灰狼","challenge":"10001","eqquse":1,"matchtype":1,"teammatchstatus":0})";

class HallRenderTest : public HallTest {
protected:
    // useOpenGL picks the offscreen driver when none is set and makes the window.
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        HallTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    // Pixels that differ between two frames of the same hall.
    static int changed(const Frame& a, const Frame& b, int left, int bottom, int right, int top) {
        return a.differences(b, left, bottom, right, top);
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(HallRenderTest, ContestHallWithItsScheduleLines) {
    Json::Value day = openDay();
    day[2]["starttime"] = "20261209121000"; // the challenge opens in ten minutes
    Answers answers;
    answers.schedule = day;
    setAnswers(answers);
    enter(21);
    engine::testing::stepSeconds(0.5f);
    const Frame frame = shoot("contest_hall");
    ASSERT_EQ(frame.rgba.size(), 960u * 640u * 4u);
    CCHD_Mainlayer* hall = screen<CCHD_Mainlayer>();
    ASSERT_NE(hall->countdown(3), nullptr);
    // Each line sits between its card and its caption button, inside the window.
    for (int type = 2; type <= 4; ++type) {
        const CCRect box = hall->countdown(type)->label()->boundingBox();
        const CCPoint at = hall->countdown(type)->getPosition();
        EXPECT_GT(at.x - box.size.width / 2, 0);
        EXPECT_LT(at.x + box.size.width / 2, 960);
    }
}

TEST_F(HallRenderTest, OneToOneHallWithCarrotsSearchAndChallenge) {
    Answers answers;
    answers.enableCount = 5;
    setAnswers(answers);
    feedSchedule(openDay());
    enter(23);
    engine::testing::stepSeconds(0.5f);
    const Frame idle = shoot("doubles_hall");
    CHD_DoublesLayer* hall = screen<CHD_DoublesLayer>();
    ASSERT_NE(hall, nullptr);
    EXPECT_EQ(childrenOf<CCSprite>(hall->iconLayer()).size(), 5u);

    tapWidget(hall->widget("challengebtn"));
    shoot("doubles_ask_box");
    pressSure(boxes().front());
    settle();
    engine::testing::stepSeconds(1.2f);
    const Frame searching = shoot("doubles_search_cover");
    EXPECT_GT(changed(idle, searching, 330, 220, 630, 540), 2000) << "the searching figure shows";
    push(R"({"system":28,"act":6,"matchtype":1,"teammatchstatus":0})");

    push(kChallenge);
    wait(1.5f);
    const Frame popup = shoot("doubles_challenge_popup");
    EXPECT_GT(changed(idle, popup, 300, 20, 900, 240), 2000) << "the popup rose";
}

TEST_F(HallRenderTest, ChallengeHallWithTheKingsPopup) {
    Answers answers;
    answers.isKing = 1;
    setAnswers(answers);
    feedSchedule(openDay());
    enter(28);
    engine::testing::stepSeconds(0.5f);
    const Frame idle = shoot("challenge_hall");
    push(R"({"system":28,"act":0,"name":"大灰狼","challenge":"10001","eqquse":1,"matchtype":3,"teammatchstatus":0})");
    wait(1.5f);
    const Frame popup = shoot("challenge_hall_popup");
    EXPECT_GT(changed(idle, popup, 300, 0, 900, 200), 2000);
}

TEST_F(HallRenderTest, FaceOffMidAnimation) {
    feedSchedule(openDay());
    enter(23);
    push(R"({"system":28,"act":3,"matchtype":1,"eqquse":1,"challenge":"10001","name":"大灰狼","level":17,)"
         R"("winper":60,"headpic":"","qscount":5,"teammatchstatus":0})");
    engine::testing::stepSeconds(1.2f);
    shoot("faceoff_mid");
    engine::testing::stepSeconds(0.6f);
    shoot("faceoff_met");
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);
}

TEST_F(HallRenderTest, EnteringCoverAndItsNetworkBox) {
    Answers answers;
    answers.enterResponse = 0;
    setAnswers(answers);
    enter(23);
    engine::testing::stepSeconds(2.0f);
    shoot("doubles_entering_cover");
    wait(29);
    shoot("doubles_entering_cover_net_dead");
    EXPECT_NE(boxSaying(text("theNetIsDie")), nullptr);
}

TEST_F(HallRenderTest, MainMenuWithTheContestButton) {
    registerStartScenes();
    enter(2);
    for (CMyMessageBox* box : boxes()) box->removeFromParent();
    engine::testing::stepSeconds(0.5f);
    shoot("main_menu_pkbtn");
    CMainLayer* menu = screen<CMainLayer>();
    ASSERT_NE(menu, nullptr);
    // The new button overlaps none of the menu's other buttons.
    cocos2d::extension::UIWidget* pk = menu->uiRoot()->getWidgetByName("pkbtn");
    ASSERT_NE(pk, nullptr);
    const CCRect mine = pk->boundingBox();
    for (const char* other : {"playbtn", "signbtn", "signtitle", "ranklistbtn", "userinfologoutbtn", "usertitle",
                              "shopbtn", "moregamebtn", "achievementbtn", "eventbtn"}) {
        cocos2d::extension::UIWidget* w = menu->uiRoot()->getWidgetByName(other);
        ASSERT_NE(w, nullptr) << other;
        EXPECT_FALSE(mine.intersectsRect(w->boundingBox())) << other;
    }
}

} // namespace
