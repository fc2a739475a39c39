// The password change: its checks, the two digests it sends, what it keeps after each answer, and
// a change on the real server after which only the new password logs in.
#include "account/AccountScreenSupport.h"

#include "account/CChangeMmLayer.h"
#include "account/CUserInfoLayer.h"
#include "app/Md5.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "support/LoopbackServer.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

std::string storedPassword() { return CCUserDefault::sharedUserDefault()->getStringForKey("pwd", ""); }

class ChangePasswordTest : public AccountScreenTest {
protected:
    // A game peer answering the change with `response`.
    void startGame(int response) {
        m_game = std::make_unique<LoopbackServer>(true, [response](const Json::Value&) {
            Json::Value answer;
            answer["response"] = response;
            return Reply::json(answer);
        });
        NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
        UserSession::instance().setLoginValues(7, "session");
    }

    void fill(CChangeMmLayer* screen, const std::string& oldPassword, const std::string& newPassword,
              const std::string& confirmation) {
        screen->oldBox()->setText(oldPassword);
        screen->newBox()->setText(newPassword);
        screen->confirmBox()->setText(confirmation);
    }

    std::unique_ptr<LoopbackServer> m_game;
};

TEST_F(ChangePasswordTest, ChecksRefuseBeforeAnythingIsSent) {
    startGame(1);
    struct Case {
        const char *oldPassword, *newPassword, *confirmation, *box;
    };
    const Case cases[] = {
        {"", "newpass1", "newpass1", "OldPwdLengthError"},
        {"12345", "newpass1", "newpass1", "OldPwdLengthError"},
        {"1234567890123", "newpass1", "newpass1", "OldPwdLengthError"},
        {"oldpass1", "12345", "12345", "NewPwdLengthError"},
        {"oldpass1", "", "", "NewPwdLengthError"},
        {"oldpass1", "newpass1", "newpass2", "NewPwdNoSame"},
        {"oldpass1", "newpass1", "", "NewPwdNoSame"},
    };
    CChangeMmLayer* screen = enterPasswordChange();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(titleOf(screen->widget("confirmlabel")), text("confirmAlter"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        fill(screen, c.oldPassword, c.newPassword, c.confirmation);
        tapWidget(screen->widget("confirmbtn"));
        CMyMessageBox* box = notice();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->messageText(), text(c.box));
        pressSure(box);
    }
    EXPECT_TRUE(pumpUntilIdle());
    EXPECT_TRUE(m_game->requests().empty());
}

TEST_F(ChangePasswordTest, SendsBothDigestsAndKeepsTheNewPasswordOnlyWhenTaken) {
    const std::string digestLike = Md5::hexDigest("looks like a remembered digest");
    struct Case {
        const char* what;
        int response;
        std::string oldPassword;
        const char* box;
        std::string keptAfter;
        int sceneAfterSure;
    };
    const Case cases[] = {
        {"taken", 1, "oldpass1", "ChangeMMOK", "newpass1", 13},
        // Unlike the login form, a 32-character text here is a password like any other.
        {"32 characters", 1, digestLike, "ChangeMMOK", "newpass1", 13},
        {"old password wrong", 0, "oldpass1", "OldPwdError", "oldpass1", 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SceneDirector::instance().reset();
        StoredSettings::storePassword("oldpass1");
        startGame(c.response);
        CChangeMmLayer* screen = enterPasswordChange();
        typeInto(screen->newBox(), "newpass1");
        typeInto(screen->confirmBox(), "newpass1");
        screen->oldBox()->setText(c.oldPassword);
        tapWidget(screen->widget("confirmbtn"));
        ASSERT_TRUE(pumpUntilIdle());

        const auto requests = m_game->requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0]["system"].asInt(), 1);
        EXPECT_EQ(requests[0]["act"].asString(), "changepwd");
        EXPECT_EQ(requests[0]["oldpwd"].asString(), Md5::hexDigest(c.oldPassword));
        EXPECT_EQ(requests[0]["newpwd"].asString(), Md5::hexDigest("newpass1"));
        EXPECT_EQ(requests[0]["sessionid"].asString(), "session");
        EXPECT_EQ(UserSession::instance().deviceText(), m_platform->identity);

        CMyMessageBox* box = notice();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->messageText(), text(c.box));
        EXPECT_EQ(storedPassword(), c.keptAfter);
        pressSure(box);
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.sceneAfterSure);
    }
}

TEST_F(ChangePasswordTest, BackLeadsToTheUserScreen) {
    CChangeMmLayer* screen = enterPasswordChange();
    tapWidget(screen->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 13);
    EXPECT_NE(runningScreen<CUserInfoLayer>(), nullptr);
}

TEST_F(ChangePasswordTest, OnlyTheNewPasswordLogsInAfterAChangeOnTheRealServer) {
    if (!startServerAsGuest()) GTEST_SKIP() << "brindle-server not available: " << ServerProcess::binary();
    ASSERT_TRUE(registerAccount("13712345678", "oldpass1"));
    ASSERT_EQ(logInDirectly("13712345678", "oldpass1"), "done");

    CChangeMmLayer* screen = enterPasswordChange();
    typeInto(screen->oldBox(), "oldpass1");
    typeInto(screen->newBox(), "newpass1");
    typeInto(screen->confirmBox(), "newpass1");
    tapWidget(screen->widget("confirmbtn"));
    ASSERT_TRUE(pumpUntilIdle(15));
    CMyMessageBox* box = notice();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->messageText(), text("ChangeMMOK"));
    EXPECT_EQ(storedPassword(), "newpass1");
    pressSure(box);
    engine::testing::stepSeconds(0.3f);
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 13);

    EXPECT_EQ(logInDirectly("13712345678", "oldpass1"), "");
    EXPECT_EQ(boxesShowing(text("PasswordError")), 1);
    EXPECT_EQ(logInDirectly("13712345678", "newpass1"), "done");
    EXPECT_EQ(UserSession::instance().accountKind(), 1);
}

} // namespace
