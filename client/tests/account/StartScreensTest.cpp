// The logo and loading screens: the automatic-login decisions, the version answers and their boxes,
// the network-failure box, against a scripted loopback peer and against the real server.
#include "account/CLoadingLayer.h"
#include "account/CLogoLayer.h"
#include "account/ServerProcess.h"
#include "app/Md5.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "data/AdStore.h"
#include "menu/CMainLayer.h"
#include "menu/MainMenuState.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

constexpr const char* kEmptyDigest = "D41D8CD98F00B204E9800998ECF8427E";

int countBoxes(CCNode* parent, int tag) {
    int count = 0;
    CCArray* children = parent->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        auto* node = static_cast<CCNode*>(children->objectAtIndex(i));
        if (node->getTag() == tag && dynamic_cast<CMyMessageBox*>(node)) count += 1;
    }
    return count;
}

class StartScreensTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        AdStore::instance().setFolder(m_folder);
        MainMenuState::instance().reset();
        addPicture("common_btn.png", 300, 150);
        std::string texts = "{";
        for (const char* key : {"sure", "haveNoNet", "theNetIsDie", "connectAgain", "shutDown", "gotoDownLoad",
                                "waitNext", "updateVersion"}) {
            texts += std::string(texts.size() > 1 ? "," : "") + "\"" + key + "\":{\"chinese\":\"" + key + "-zh\"}";
        }
        setTexts(texts + "}");
        SceneDirector::instance().registerScene(1, &CLoadingLayer::scene);
        // The menu itself has its own tests; here a bare scene marks the arrival.
        SceneDirector::instance().registerScene(2, [] { return CCScene::create(); });
    }
    void TearDown() override {
        NetManager::instance().setEntryEndpoint("127.0.0.1", 8000);
        EXPECT_TRUE(pumpUntilIdle());
        ClientTest::TearDown();
    }

    // The peer: entry answers the version with `versionResponse` (and "update"), logins with the
    // game peer's address; game answers everything with success and notices by "act".
    void startPeers(int versionResponse, int update = 0) {
        m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
            const int system = request["system"].asInt();
            if (system == 12 && m_dropNotices > 0) {
                m_dropNotices -= 1;
                return Reply::close();
            }
            Json::Value answer;
            answer["response"] = 1;
            if (system == 12) {
                answer["act"] = request["act"];
                answer["notice"][0]["hourmin"] = 900;
                answer["notice"][0]["message"] = "welcome";
            }
            if (system == 25) answer["qsid"] = 1;
            return Reply::json(answer);
        });
        m_entry = std::make_unique<LoopbackServer>(false, [this, versionResponse, update](const Json::Value& request) {
            Json::Value answer;
            if (request["system"].asInt() == 0) {
                if (m_dropVersions > 0) {
                    m_dropVersions -= 1;
                    return Reply::close();
                }
                answer["response"] = versionResponse;
                answer["update"] = update;
                answer["upurl"] = "http://example.invalid/get";
                answer["updateinfo"] = "new things";
                return Reply::json(answer);
            }
            answer["response"] = 1;
            answer["ip"] = "127.0.0.1";
            answer["port"] = m_game->port();
            answer["id"] = 7;
            answer["sessionid"] = "s1";
            return Reply::json(answer);
        });
        NetManager::instance().setEntryEndpoint("127.0.0.1", m_entry->port());
    }

    CLoadingLayer* enterLoading() {
        SceneDirector::instance().switchTo(1);
        engine::testing::stepFrames(2);
        CCScene* scene = SceneDirector::instance().currentScene();
        m_loading = static_cast<CLoadingLayer*>(scene->getChildren()->objectAtIndex(0));
        engine::testing::stepSeconds(0.25f);
        return m_loading;
    }

    std::vector<int> entrySystems() const { return m_entry->systems(); }

    std::unique_ptr<LoopbackServer> m_game, m_entry;
    CLoadingLayer* m_loading = nullptr;
    int m_dropVersions = 0;
    int m_dropNotices = 0;
};

struct StoredAccount {
    const char* what;
    const char* name;
    const char* password;
    bool rememberBefore;
    const char* sentName;
    std::string sentDigest;
    bool rememberAfter;
};

TEST_F(StartScreensTest, AutomaticLoginDecidesFromTheStoredAccount) {
    const StoredAccount cases[] = {
        {"remembered account", "13800000001", "secret", false, "13800000001", Md5::hexDigest("secret"), true},
        {"name without password", "13800000001", "", false, "", "", false},
        {"name without password, remembered before", "13800000001", "", true, "13800000001", kEmptyDigest, true},
        {"nothing stored", "", "", false, "", "", false},
    };
    for (const StoredAccount& c : cases) {
        SCOPED_TRACE(c.what);
        SceneDirector::instance().reset();
        UserSession::instance().reset();
        StoredSettings::storeUserName(c.name);
        StoredSettings::storePassword(c.password);
        StoredSettings::writeBool(settings::kRememberPassword, c.rememberBefore);
        startPeers(1);
        enterLoading();
        ASSERT_TRUE(pumpUntilIdle());

        const std::vector<Json::Value> requests = m_entry->requests();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[0]["system"].asInt(), 0);
        EXPECT_EQ(requests[0]["version"].asString(), "2.2.2");
        EXPECT_EQ(requests[0]["deviceid"].asInt(), 3);
        EXPECT_EQ(requests[1]["username"].asString(), c.sentName);
        EXPECT_EQ(requests[1]["pwd"].asString(), c.sentDigest);
        EXPECT_EQ(StoredSettings::readBool(settings::kRememberPassword, false), c.rememberAfter);
        // What was typed stays stored as typed: only the request carries the digest.
        EXPECT_EQ(StoredSettings::storedUserName(), c.name);
        EXPECT_EQ(CCUserDefault::sharedUserDefault()->getStringForKey("pwd"), c.password);
        if (std::string(c.sentName).empty()) {
            EXPECT_FALSE(StoredSettings::readBool(settings::kRegisteredPlayer, true));
        }
        // The notice with "act" 0 leads to the menu; the help texts follow.
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
        const std::vector<Json::Value> game = m_game->requests();
        ASSERT_GE(game.size(), 2u);
        EXPECT_EQ(game[game.size() - 2]["system"].asInt(), 12);
        EXPECT_EQ(game[game.size() - 2]["act"].asInt(), 0);
        EXPECT_EQ(game.back()["system"].asInt(), 21);
        EXPECT_EQ(GameData::instance().notices.size(), 1u);
    }
}

TEST_F(StartScreensTest, VersionAnswersAndTheirBoxes) {
    struct Case {
        int response, update;
        bool box, secondButton;
    };
    const Case cases[] = {{1, 0, false, false}, {0, 1, true, false}, {0, 0, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.response * 10 + c.update);
        SceneDirector::instance().reset();
        startPeers(c.response, c.update);
        CLoadingLayer* loading = enterLoading();
        ASSERT_TRUE(pumpUntilIdle());
        auto* box = static_cast<CMyMessageBox*>(loading->getChildByTag(CLoadingLayer::kVersionBoxTag));
        ASSERT_EQ(box != nullptr, c.box);
        if (!box) {
            EXPECT_EQ(entrySystems(), (std::vector<int>{0, 2})); // code 0: straight on to the login
            continue;
        }
        EXPECT_EQ(box->messageText(), "new things");
        EXPECT_EQ(box->button(2) != nullptr, c.secondButton);
        EXPECT_EQ(entrySystems(), std::vector<int>{0}); // the player has to choose first
        if (c.secondButton) {
            box->handleRelease(box->button(2)->getPosition()); // "waitNext" carries on with the login
            ASSERT_TRUE(pumpUntilIdle());
            EXPECT_EQ(entrySystems(), (std::vector<int>{0, 2}));
        } else {
            box->handleRelease(box->button(1)->getPosition()); // "gotoDownLoad"
            ASSERT_EQ(m_platform->opened.size(), 1u);
            EXPECT_EQ(m_platform->opened.back(), "http://example.invalid/get");
            m_platform->opened.clear();
        }
    }
}

TEST_F(StartScreensTest, UnknownVersionCodeLeavesTheScreenAsItIs) {
    startPeers(1);
    CLoadingLayer* loading = enterLoading();
    ASSERT_TRUE(pumpUntilIdle());
    const size_t before = m_entry->requests().size();
    const unsigned children = loading->getChildrenCount();
    for (int code : {3, 4, -1}) loading->onVersionAnswer(code);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(m_entry->requests().size(), before);
    EXPECT_EQ(loading->getChildrenCount(), children);
}

TEST_F(StartScreensTest, ConnectAgainRepeatsTheWholeStart) {
    struct Case {
        const char* what;
        int dropVersions, dropNotices;
        std::vector<int> entry;
    };
    const Case cases[] = {{"version check fails", 1, 0, {0, 0, 2}}, {"notice fails", 0, 1, {0, 2, 0, 2}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SceneDirector::instance().reset();
        m_dropVersions = c.dropVersions;
        m_dropNotices = c.dropNotices;
        startPeers(1);
        CLoadingLayer* loading = enterLoading();
        ASSERT_TRUE(pumpUntilIdle());
        auto* box = static_cast<CMyMessageBox*>(loading->getChildByTag(CLoadingLayer::kNetDeadBoxTag));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->messageText(), "theNetIsDie-zh");
        EXPECT_NE(SceneDirector::instance().currentSceneId(), 2);
        box->handleRelease(box->button(1)->getPosition()); // "connectAgain"
        ASSERT_TRUE(pumpUntilIdle());
        EXPECT_EQ(entrySystems(), c.entry);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
    }
}

TEST_F(StartScreensTest, ShutDownClosesTheWindow) {
    NetManager::instance().setEntryEndpoint("127.0.0.1", LoopbackServer::closedPort());
    CLoadingLayer* loading = enterLoading();
    ASSERT_TRUE(pumpUntilIdle());
    auto* box = static_cast<CMyMessageBox*>(loading->getChildByTag(CLoadingLayer::kNetDeadBoxTag));
    ASSERT_NE(box, nullptr);
    box->handleRelease(box->button(2)->getPosition());
    EXPECT_EQ(m_platform->closed, 1);
}

TEST_F(StartScreensTest, NoNetworkShowsOneBoxAndStillAsks) {
    m_platform->networkAlive = false;
    NetManager::instance().setEntryEndpoint("127.0.0.1", LoopbackServer::closedPort());
    CLoadingLayer* loading = enterLoading();
    loading->showLoadingAnimation();
    EXPECT_EQ(countBoxes(loading, CLoadingLayer::kNoNetBoxTag), 1);
    EXPECT_EQ(loading->getChildByTag(CLoadingLayer::kNoNetBoxTag)->getZOrder(), 99);
    EXPECT_TRUE(pumpUntilIdle());
}

TEST_F(StartScreensTest, EntryEmptiesTheTemporaryFolderAndLoadsTheSheets) {
    startPeers(1);
    enterLoading();
    EXPECT_EQ(m_platform->cleared, std::vector<std::string>{m_platform->temp});
    ASSERT_TRUE(pumpUntilIdle());
}

TEST_F(StartScreensTest, LogoHandsOverToLoading) {
    SceneDirector::instance().registerScene(0, &CLogoLayer::scene);
    NetManager::instance().setEntryEndpoint("127.0.0.1", LoopbackServer::closedPort());
    SceneDirector::instance().switchTo(0);
    engine::testing::stepFrames(2);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 0);
    engine::testing::stepSeconds(0.3f);
    // Without the armature files there is nothing to wait for: the loading screen follows at once.
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 1);
    EXPECT_TRUE(pumpUntilIdle());
}

TEST_F(StartScreensTest, GuestLoginAgainstTheRealServer) {
    ServerProcess server(m_folder);
    if (!server.running()) GTEST_SKIP() << "brindle-server not found beside the tests: " << ServerProcess::binary();
    SceneDirector::instance().registerScene(2, &CMainLayer::scene);
    NetManager::instance().setEntryEndpoint("127.0.0.1", server.entryPort());
    enterLoading();
    ASSERT_TRUE(pumpUntilIdle(15));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
    EXPECT_EQ(UserSession::instance().accountKind(), 2);
    EXPECT_FALSE(StoredSettings::readBool(settings::kRegisteredPlayer, true));
    EXPECT_FALSE(UserSession::instance().sessionId().empty());
    EXPECT_EQ(NetManager::instance().heartbeatInterval(), 20);
    engine::testing::stepFrames(2);
    ASSERT_TRUE(pumpUntilIdle(15));
    EXPECT_EQ(GameData::instance().noticeAct, 1); // the menu's own notice request went out and came back
}

} // namespace

namespace {

TEST_F(StartScreensTest, LogoHandsOverOnlyOnItsFirstMovementEvent) {
    // The armature goes on reporting loop ends during the fade, and one slow frame can carry
    // several events: still a single loading screen, so a single version check and login.
    int loadingScreens = 0;
    SceneDirector::instance().registerScene(1, [&loadingScreens] {
        loadingScreens += 1;
        return CCScene::create();
    });
    CCScene* scene = CLogoLayer::scene();
    auto* logo = dynamic_cast<CLogoLayer*>(scene->getChildren()->objectAtIndex(0));
    ASSERT_NE(logo, nullptr);
    logo->retain(); // its scene leaves the stage while the test still calls it
    CCDirector::sharedDirector()->runWithScene(scene);
    engine::testing::stepFrames(1);
    logo->onMovementEvent(nullptr, cocos2d::extension::START, "logo");
    logo->onMovementEvent(nullptr, cocos2d::extension::LOOP_COMPLETE, "logo");
    engine::testing::stepFrames(4);
    logo->onMovementEvent(nullptr, cocos2d::extension::LOOP_COMPLETE, "logo");
    // Past the moment the logo builds its animation (here without armature files, so it would
    // hand over by itself).
    engine::testing::stepSeconds(0.3f);
    logo->onMovementEvent(nullptr, cocos2d::extension::COMPLETE, "logo");
    engine::testing::stepFrames(30);
    logo->release();
    EXPECT_EQ(loadingScreens, 1);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 1);
}

} // namespace
