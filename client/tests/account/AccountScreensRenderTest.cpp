// The user screen and the password change drawn for real through the offscreen GL context. With
// BRINDLE_SHOT_DIR set every frame is saved there as a PNG for a person to look at.
#include "account/AccountScreenSupport.h"

#include "account/CChangeMmLayer.h"
#include "account/CUserInfoLayer.h"
#include "app/StoredSettings.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/RenderSupport.h"
#include "support/LoopbackServer.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"


USING_NS_CC;
using namespace test_support;

namespace {

// Whether the pixel at (x, y), y up, is close to the colour.
bool near(const std::vector<unsigned char>& rgba, int x, int y, ccColor3B colour, int slack = 40) {
    const std::size_t i = (static_cast<std::size_t>(639 - y) * 960 + static_cast<std::size_t>(x)) * 4;
    return std::abs(rgba[i] - colour.r) <= slack && std::abs(rgba[i + 1] - colour.g) <= slack &&
           std::abs(rgba[i + 2] - colour.b) <= slack;
}

class AccountScreensRenderTest : public AccountScreenTest {
protected:
    // useOpenGL picks the offscreen driver when none is set and makes the window.
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        AccountScreenTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }

    std::vector<unsigned char> shoot(const std::string& name) {
        engine::testing::stepSeconds(0.3f);
        return shootScene(m_gl, name).rgba;
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(AccountScreensRenderTest, UserScreenWithRememberingOnAndOff) {
    UserInfo& user = GameData::instance().user;
    user.score = 12580;
    user.money = 366;
    user.level = 35;
    user.uuid = 100234;
    UserSession::instance().setUserName("13800000001");
    StoredSettings::storePassword("secret1");
    StoredSettings::writeBool(settings::kRememberPassword, true);
    CUserInfoLayer* screen = enterUserScreen();
    ASSERT_NE(screen, nullptr);
    const auto on = shoot("user_screen_remember_on");
    ASSERT_EQ(on.size(), 960u * 640u * 4u);

    tapWidget(screen->widget("rememberpaswordbtn"));
    const auto off = shoot("user_screen_remember_off");
    ASSERT_EQ(off.size(), on.size());
    // The check mark is what changed.
    const CCPoint mark = screen->widget("rememberpaswordimage")->getWorldPosition();
    int changed = 0;
    for (int x = int(mark.x) - 15; x < int(mark.x) + 15; ++x) {
        for (int y = int(mark.y) - 15; y < int(mark.y) + 15; ++y) {
            const std::size_t i = (static_cast<std::size_t>(639 - y) * 960 + x) * 4;
            if (on[i] != off[i] || on[i + 1] != off[i + 1] || on[i + 2] != off[i + 2]) changed += 1;
        }
    }
    EXPECT_GT(changed, 50);
}

TEST_F(AccountScreensRenderTest, PasswordChangeEmptyWithEachRefusalAndDone) {
    CChangeMmLayer* screen = enterPasswordChange();
    ASSERT_NE(screen, nullptr);
    shoot("change_password_empty");

    struct Case {
        const char *oldPassword, *newPassword, *confirmation, *box;
    };
    const Case cases[] = {{"123", "newpass1", "newpass1", "OldPwdLengthError"},
                          {"oldpass1", "123", "123", "NewPwdLengthError"},
                          {"oldpass1", "newpass1", "newpass2", "NewPwdNoSame"}};
    for (const Case& c : cases) {
        screen->oldBox()->setText(c.oldPassword);
        screen->newBox()->setText(c.newPassword);
        screen->confirmBox()->setText(c.confirmation);
        tapWidget(screen->widget("confirmbtn"));
        ASSERT_NE(notice(), nullptr);
        const auto shot = shoot(std::string("change_password_") + c.box);
        // The box stands in the middle of the window, over the form.
        EXPECT_FALSE(near(shot, 480, 300, ccc3(0, 0, 0), 20));
        pressSure(notice());
    }

    LoopbackServer game(true, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 1;
        return Reply::json(answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", game.port());
    UserSession::instance().setLoginValues(7, "session");
    typeInto(screen->oldBox(), "oldpass1");
    typeInto(screen->newBox(), "newpass1");
    typeInto(screen->confirmBox(), "newpass1");
    shoot("change_password_filled");
    tapWidget(screen->widget("confirmbtn"));
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_NE(notice(), nullptr);
    EXPECT_EQ(notice()->messageText(), text("ChangeMMOK"));
    shoot("change_password_ChangeMMOK");
}

} // namespace
