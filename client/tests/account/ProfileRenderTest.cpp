// The profile screen drawn for real (offscreen OpenGL): the statistics panel filled, the referrer
// dialog, the referral table on its two pages, and every box the screen can show. With
// BRINDLE_SHOT_DIR set each frame is saved there as a PNG.
#include "account/ProfileSupport.h"

#include "net/GameData.h"
#include "quiz/RenderSupport.h"
#include "widgets/CInputBox.h"
#include "widgets/CInputRecommenderLayer.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"


USING_NS_CC;
using namespace test_support;

namespace {

class ProfileRenderTest : public ProfileTest {
protected:
    // useOpenGL picks the offscreen driver when none is set and makes the window.
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        ProfileTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
        answer = [](const Json::Value& request) {
            const int system = request["system"].asInt();
            Json::Value a(Json::objectValue);
            a["response"] = 1;
            if (system == 51) {
                a["todayscore"] = 120;
                a["todaymoney"] = 8;
                a["allright"] = 356;
                a["allwrong"] = 41;
                a["rank"] = 17;
                a["tuijiancount"] = 7;
                a["huoyuecount"] = 5;
                a["tuijianprize"] = 140;
                a["regtime"] = 1764547200; // 2025-12-01 (UTC)
            } else if (system == 50) {
                return referralPage(1, 7);
            } else if (system == 1) {
                a["nickname"] = request["nickname"];
                a["email"] = request["email"];
                a["uuid"] = 10001;
                a["level"] = 25;
                a["tel"] = "13800000001";
            }
            return a;
        };
    }
    void TearDown() override {
        Renderer::setCurrent(nullptr);
        ProfileTest::TearDown();
    }
    std::vector<unsigned char> shot(const std::string& name) {
        engine::testing::stepSeconds(0.05f);
        return shootScene(m_gl, name).rgba;
    }
    void boxShot(const std::string& name) {
        shot(name);
        takeBox();
    }
    GLRenderer* m_gl = nullptr;
};

TEST_F(ProfileRenderTest, ProfileDialogTableAndBoxes) {
    CChangeUserInfoLayer* screen = enterProfile();
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->statisticsPanel(), nullptr);
    EXPECT_FALSE(shot("profile_statistics").empty());

    screen->nicknameBox()->setText("");
    screen->saveProfile();
    boxShot("profile_box_nickname");
    screen->nicknameBox()->setText("小明");
    screen->emailBox()->setText("ming@");
    screen->saveProfile();
    boxShot("profile_box_email");
    screen->emailBox()->setText("ming@example.com");
    screen->saveProfile();
    boxShot("profile_box_nochange");
    screen->nicknameBox()->setText("小明同学");
    screen->saveProfile();
    ASSERT_TRUE(pumpUntilIdle());
    boxShot("profile_box_saved");

    screen->openReferrerDialog();
    auto* dialog = dynamic_cast<CInputRecommenderLayer*>(screen->getChildByTag(CChangeUserInfoLayer::kReferrerDialogTag));
    ASSERT_NE(dialog, nullptr);
    dialog->inputBox()->setText("0012");
    shot("profile_referrer_dialog");
    dialog->inputBox()->setText("12a");
    dialog->onOk();
    shot("profile_box_referrer_digits");
    dialog->removeFromParent();
    screen->onReferrerSet(1);
    boxShot("profile_box_referrer_refused");
    screen->onReferrerSet(0);
    boxShot("profile_box_referrer_accepted");
    shot("profile_referrer_set");

    screen->requestReferredFriends();
    ASSERT_TRUE(pumpUntilIdle());
    shot("profile_referrals_page1");
    auto* table = dynamic_cast<CRefereesInfoLayer*>(screen->getChildByTag(10089));
    ASSERT_NE(table, nullptr);
    table->nextPage();
    shot("profile_referrals_page2");
    table->scrollView()->setContentOffset(ccp(-600, 0));
    table->followScroll();
    shot("profile_referrals_scrolled");
}

} // namespace
