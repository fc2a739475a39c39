// The user screen: what it shows of the player, the remember box and what it keeps, the login
// form's checks, logins against a scripted peer (what is sent and kept) and against the real
// server (a guest session replaced, refusals up to the lock-out).
#include "account/AccountScreenSupport.h"

#include "account/CUserInfoLayer.h"
#include "app/Md5.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/CMainLayer.h"
#include "menu/MainMenuState.h"
#include "net/GameData.h"
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

constexpr const char* kName = "13800000001";

std::string storedPassword() { return CCUserDefault::sharedUserDefault()->getStringForKey("pwd", ""); }

class UserScreenTest : public AccountScreenTest {
protected:
    // Entry and game peers that let every login through and answer the whole chain.
    void startPeers() {
        m_game = std::make_unique<LoopbackServer>(true, [](const Json::Value& request) {
            Json::Value answer;
            answer["response"] = 1;
            if (request["system"].asInt() == 1) {
                answer["uuid"] = 777;
                answer["tel"] = kName;
            }
            return Reply::json(answer);
        });
        m_entry = std::make_unique<LoopbackServer>(false, [this](const Json::Value&) {
            Json::Value answer;
            answer["response"] = 1;
            answer["ip"] = "127.0.0.1";
            answer["port"] = m_game->port();
            answer["id"] = 7;
            answer["sessionid"] = "s-new";
            return Reply::json(answer);
        });
        NetManager::instance().setEntryEndpoint("127.0.0.1", m_entry->port());
    }

    // A remembered account as the loading screen leaves it: the session knows the name.
    void remember(const std::string& password, bool on) {
        UserSession::instance().setUserName(kName);
        StoredSettings::storePassword(password);
        StoredSettings::writeBool(settings::kRememberPassword, on);
    }

    static bool buttonsTakeTouches(CUserInfoLayer* screen) {
        return screen->widget("loginbtn")->isTouchEnabled() && screen->widget("backbtn")->isTouchEnabled();
    }

    std::unique_ptr<LoopbackServer> m_game, m_entry;
};

TEST_F(UserScreenTest, ShowsThePlayerAndLeadsToTheOtherScreens) {
    UserInfo& user = GameData::instance().user;
    user.score = 1234;
    user.money = 56;
    user.level = 15;
    user.uuid = 4321;
    CUserInfoLayer* screen = enterUserScreen();
    ASSERT_NE(screen, nullptr);
    auto* score = dynamic_cast<CCLabelBMFont*>(screen->getChildByTag(CUserInfoLayer::kScoreTag));
    auto* money = dynamic_cast<CCLabelBMFont*>(screen->getChildByTag(CUserInfoLayer::kMoneyTag));
    ASSERT_TRUE(score && money);
    EXPECT_STREQ(score->getString(), "1234");
    EXPECT_STREQ(money->getString(), "56");
    EXPECT_EQ(money->getPosition().x, 620);
    EXPECT_EQ(money->getPosition().y, 550);
    EXPECT_EQ(money->getZOrder(), 99);
    CCNode* badge = screen->getChildByTag(CUserInfoLayer::kBadgeTag);
    ASSERT_NE(badge, nullptr);
    EXPECT_FLOAT_EQ(badge->getScale(), 0.6f);
    EXPECT_EQ(badge->getPosition().x, 320);
    auto* id = dynamic_cast<CCLabelTTF*>(screen->getChildByTag(CUserInfoLayer::kIdTag));
    ASSERT_NE(id, nullptr);
    EXPECT_STREQ(id->getString(), "ID:4321");
    EXPECT_EQ(id->getPosition().x, 470);
    const std::pair<const char*, const char*> titles[] = {
        {"loginlabel", "Login"}, {"changepwdlabel", "alterPwd"}, {"registlabel", "goRegister"}};
    for (const auto& [widget, key] : titles) EXPECT_EQ(titleOf(screen->widget(widget)), text(key)) << widget;
    EXPECT_FALSE(logged("picture")) << "a picture of the screen is missing";

    const std::pair<const char*, int> buttons[] = {{"changepwdbtn", 15}, {"registbtn", 14}, {"alterpersonbtn", 16},
                                                    {"backbtn", 2}};
    for (const auto& [name, scene] : buttons) {
        SCOPED_TRACE(name);
        screen = enterUserScreen();
        tapWidget(screen->widget(name));
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), scene);
    }

    // Below level 0 there is no badge to show.
    user.level = -1;
    screen = enterUserScreen();
    EXPECT_EQ(screen->getChildByTag(CUserInfoLayer::kBadgeTag), nullptr);
}

TEST_F(UserScreenTest, RememberBoxPrefillsTheDigestAndForgetsAtOnce) {
    remember("secret1", true);
    CUserInfoLayer* screen = enterUserScreen();
    ASSERT_NE(screen, nullptr);
    UIWidget* mark = screen->widget("rememberpaswordimage");
    EXPECT_TRUE(screen->remembers());
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(screen->nameBox()->getText(), kName);
    // The kept password comes back as its digest, and only ever shows as stars.
    const std::string digest = Md5::hexDigest("secret1");
    EXPECT_EQ(screen->passwordBox()->getText(), digest);
    EXPECT_EQ(screen->rememberedDigest(), digest);
    EXPECT_STREQ(screen->passwordBox()->textField()->getString(), "******");
    EXPECT_EQ(engine::testing::dumpTree(screen).find(digest), std::string::npos);

    // Off: forgotten there and then, no login needed.
    tapWidget(screen->widget("rememberpaswordbtn"));
    EXPECT_FALSE(screen->remembers());
    EXPECT_FALSE(mark->isVisible());
    EXPECT_FALSE(StoredSettings::readBool(settings::kRememberPassword, true));
    EXPECT_EQ(storedPassword(), "");
    EXPECT_EQ(screen->passwordBox()->getText(), "");
    EXPECT_STREQ(screen->passwordBox()->textField()->getString(), "");
    EXPECT_EQ(StoredSettings::storedUserName(), kName);

    // On again: the mark shows; what is stored waits for a login.
    tapWidget(screen->widget("rememberpaswordbtn"));
    EXPECT_TRUE(screen->remembers());
    EXPECT_TRUE(mark->isVisible());
    EXPECT_FALSE(StoredSettings::readBool(settings::kRememberPassword, true));

    struct Case {
        const char* what;
        const char* password;
        bool on;
        bool sessionName;
    };
    const Case empty[] = {{"remembering off", "secret1", false, true},
                          {"no name in the session", "secret1", true, false},
                          {"nothing kept", "", true, true}};
    for (const Case& c : empty) {
        SCOPED_TRACE(c.what);
        UserSession::instance().reset();
        remember(c.password, c.on);
        if (!c.sessionName) UserSession::instance().reset();
        screen = enterUserScreen();
        EXPECT_EQ(screen->remembers(), c.on);
        EXPECT_EQ(screen->passwordBox()->getText(), "");
        EXPECT_EQ(screen->rememberedDigest(), "");
    }
}

TEST_F(UserScreenTest, LoginChecksRefuseBeforeAnythingIsSent) {
    startPeers();
    struct Case {
        const char* name;
        const char* password;
        const char* box;
    };
    const Case cases[] = {
        {"", "secret1", "UserNameError"},          {"1380000000", "secret1", "UserNameError"},
        {"138000000012", "secret1", "UserNameError"}, {"23800000001", "secret1", "UserNameError"},
        {kName, "", "PasswordError"},              {kName, "12345", "PasswordError"},
        {kName, "1234567890123", "PasswordError"},
    };
    CUserInfoLayer* screen = enterUserScreen();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.password);
        screen->nameBox()->setText(c.name);
        screen->passwordBox()->setText(c.password);
        tapWidget(screen->widget("loginbtn"));
        CMyMessageBox* box = notice();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->messageText(), text(c.box));
        EXPECT_EQ(screen->getChildByTag(CUserInfoLayer::kCoverTag), nullptr);
        EXPECT_TRUE(buttonsTakeTouches(screen));
        EXPECT_FALSE(screen->loginPending());
        pressSure(box);
        EXPECT_EQ(notice(), nullptr);
    }
    EXPECT_TRUE(m_entry->requests().empty());
}

TEST_F(UserScreenTest, LoginSendsWhatTheFormHoldsAndKeepsWhatWasTyped) {
    struct Case {
        const char* what;
        bool rememberBefore; // a kept "secret1" prefilled
        bool rememberOnLogin;
        const char* typed;   // nullptr: the prefilled digest is left as it is
        std::string sent;
        std::string keptAfter;
        bool rememberAfter;
    };
    const Case cases[] = {
        {"prefilled digest", true, true, nullptr, Md5::hexDigest("secret1"), "secret1", true},
        {"new password, remembering", true, true, "other22", Md5::hexDigest("other22"), "other22", true},
        {"typed, not remembering", false, false, "other22", Md5::hexDigest("other22"), "secret1", false},
        {"remembering switched on here", false, true, "other22", Md5::hexDigest("other22"), "other22", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UserSession::instance().reset();
        SceneDirector::instance().reset();
        remember("secret1", c.rememberBefore);
        startPeers();
        CUserInfoLayer* screen = enterUserScreen();
        if (screen->remembers() != c.rememberOnLogin) tapWidget(screen->widget("rememberpaswordbtn"));
        if (c.typed) typeInto(screen->passwordBox(), c.typed);
        tapWidget(screen->widget("loginbtn"));
        EXPECT_NE(screen->getChildByTag(CUserInfoLayer::kCoverTag), nullptr);
        EXPECT_FALSE(buttonsTakeTouches(screen));
        ASSERT_TRUE(pumpUntilIdle());
        engine::testing::stepSeconds(0.3f);

        const auto requests = m_entry->requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0]["system"].asInt(), 2);
        EXPECT_EQ(requests[0]["username"].asString(), kName);
        EXPECT_EQ(requests[0]["pwd"].asString(), c.sent);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
        EXPECT_EQ(UserSession::instance().sessionId(), "s-new");
        EXPECT_EQ(UserSession::instance().accountKind(), 1);
        EXPECT_EQ(StoredSettings::storedUserName(), kName);
        EXPECT_EQ(storedPassword(), c.keptAfter);
        EXPECT_EQ(StoredSettings::readBool(settings::kRememberPassword, false), c.rememberAfter);
        EXPECT_EQ(GameData::instance().user.uuid, 777);
    }
}

TEST_F(UserScreenTest, ExchangeFailureShowsOneNetFailAndGivesTheFormBack) {
    remember("secret1", true);
    NetManager::instance().setEntryEndpoint("127.0.0.1", LoopbackServer::closedPort());
    CUserInfoLayer* screen = enterUserScreen();
    tapWidget(screen->widget("loginbtn"));
    EXPECT_TRUE(screen->loginPending());
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    EXPECT_EQ(boxesShowing(text("netFail")), 1);
    EXPECT_FALSE(screen->loginPending());
    EXPECT_EQ(screen->getChildByTag(CUserInfoLayer::kCoverTag), nullptr);
    EXPECT_TRUE(buttonsTakeTouches(screen));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 13);
    EXPECT_EQ(storedPassword(), "secret1");
}

TEST_F(UserScreenTest, RefusalWithoutABoxOfItsOwnStillGivesTheFormBack) {
    // "fail" 1 has no "tip": the session shows its box but leaves the cover to the screen.
    LoopbackServer entry(false, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 0;
        answer["fail"] = 1;
        return Reply::json(answer);
    });
    NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
    CUserInfoLayer* screen = enterUserScreen();
    screen->nameBox()->setText("1abcdefghij"); // passes the form's check, not the server's
    screen->passwordBox()->setText("secret1");
    tapWidget(screen->widget("loginbtn"));
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    EXPECT_EQ(boxesShowing(text("UserNameError")), 1);
    EXPECT_EQ(screen->getChildByTag(CUserInfoLayer::kCoverTag), nullptr);
    EXPECT_TRUE(buttonsTakeTouches(screen));
}

// --- against the real brindle-server

TEST_F(UserScreenTest, LoginReplacesTheGuestSessionOnTheRealServer) {
    if (!startServerAsGuest()) GTEST_SKIP() << "brindle-server not available: " << ServerProcess::binary();
    const std::string guestSession = UserSession::instance().sessionId();
    const int guestId = UserSession::instance().userId();
    ASSERT_TRUE(registerAccount("13912345678", "goodpass1"));
    MainMenuState::instance().reset();
    SceneDirector::instance().registerScene(2, &CMainLayer::scene);

    CUserInfoLayer* screen = enterUserScreen();
    EXPECT_EQ(screen->nameBox()->getText(), ""); // a guest has no name to show
    typeInto(screen->nameBox(), "13912345678");
    typeInto(screen->passwordBox(), "goodpass1");
    EXPECT_STREQ(screen->passwordBox()->textField()->getString(), "*********");
    tapWidget(screen->widget("loginbtn"));
    ASSERT_TRUE(pumpUntilIdle(15));
    engine::testing::stepSeconds(0.3f);

    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
    EXPECT_NE(runningScreen<CMainLayer>(), nullptr);
    UserSession& session = UserSession::instance();
    EXPECT_EQ(session.accountKind(), 1);
    EXPECT_NE(session.sessionId(), guestSession);
    EXPECT_NE(session.userId(), guestId);
    EXPECT_EQ(session.userName(), "13912345678");
    EXPECT_EQ(GameData::instance().user.tel, "13912345678");
    EXPECT_EQ(StoredSettings::storedUserName(), "13912345678");
    EXPECT_TRUE(StoredSettings::readBool(settings::kRegisteredPlayer, false));
    ASSERT_TRUE(pumpUntilIdle(15));
}

TEST_F(UserScreenTest, WrongPasswordsAreRefusedUntilTheNameIsLocked) {
    if (!startServerAsGuest()) GTEST_SKIP() << "brindle-server not available: " << ServerProcess::binary();
    ASSERT_TRUE(registerAccount("13912345679", "goodpass1"));
    const std::string guestSession = UserSession::instance().sessionId();
    CUserInfoLayer* screen = enterUserScreen();
    screen->nameBox()->setText("13912345679");
    for (int attempt = 1; attempt <= 5; ++attempt) {
        SCOPED_TRACE(attempt);
        screen->passwordBox()->setText("wrongpass" + std::to_string(attempt));
        tapWidget(screen->widget("loginbtn"));
        ASSERT_TRUE(pumpUntilIdle(15));
        engine::testing::stepFrames(2);
        CMyMessageBox* box = notice();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->messageText(), text("PasswordError"));
        EXPECT_EQ(screen->getChildByTag(CUserInfoLayer::kCoverTag), nullptr);
        EXPECT_TRUE(buttonsTakeTouches(screen));
        pressSure(box);
    }
    // Now even the right password meets the lock, in the server's own words.
    screen->passwordBox()->setText("goodpass1");
    tapWidget(screen->widget("loginbtn"));
    ASSERT_TRUE(pumpUntilIdle(15));
    engine::testing::stepFrames(2);
    EXPECT_EQ(boxesShowing("密码错误次数过多，请十分钟后再试。"), 1);
    EXPECT_TRUE(buttonsTakeTouches(screen));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 13);
    EXPECT_EQ(UserSession::instance().sessionId(), guestSession);
}

} // namespace
