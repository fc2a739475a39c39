// The login and its follow-up chain against loopback entry and game servers.
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "data/AdStore.h"
#include "net/CReceivedThread.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class UserSessionTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        m_scene = enterScene(1);
        NetManager::installFrameHook();
        ASSERT_TRUE(pumpUntilIdle());
        AdStore::instance().setFolder(m_folder);
    }
    void TearDown() override {
        NetManager::instance().setEntryEndpoint("127.0.0.1", 8000);
        EXPECT_TRUE(pumpUntilIdle());
        ClientTest::TearDown();
    }

    Json::Value loginAnswer(unsigned short gamePort) {
        Json::Value answer;
        answer["response"] = 1;
        answer["ip"] = "127.0.0.1";
        answer["port"] = gamePort;
        answer["id"] = 21;
        answer["sessionid"] = "fresh";
        return answer;
    }

    // The game server answers by "system"; userInfoResponse is the "response" of the user record.
    LoopbackServer::Script gameScript(int userInfoResponse) {
        return [userInfoResponse](const Json::Value& request) {
            Json::Value answer;
            answer["response"] = 1;
            const int system = request["system"].asInt();
            if (system == 1) answer["response"] = userInfoResponse;
            if (system == 25) {
                answer["qsid"] = request["qsid"];
                answer["qstype"] = request["gametype"];
            }
            return Reply::json(answer);
        };
    }

    CCScene* m_scene = nullptr;
    std::vector<std::string> m_events;
};

TEST_F(UserSessionTest, SuccessfulLoginRunsTheChainInOrder) {
    AdStore& ads = AdStore::instance();
    ads.put("Ad", "com.a", "101", "1", "1");
    ads.put("Ad", "com.b", "102", "2", "1");
    ads.put("Ad", "com.c", "103", "1", "0");
    LoopbackServer game(true, gameScript(1));
    LoopbackServer entry(false, [&](const Json::Value&) { return Reply::json(loginAnswer(game.port())); });
    NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
    GameData::instance().rememberChoice = true;
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);

    UserSession::instance().login("13800000000", "DIGEST", probe, callfuncI_selector(Probe::onDone),
                                  callfunc_selector(Probe::onFail));
    ASSERT_TRUE(pumpUntilIdle());

    ASSERT_EQ(entry.requests().size(), 1u);
    const Json::Value login = entry.requests()[0];
    EXPECT_EQ(login["system"].asInt(), 2);
    EXPECT_EQ(login["deviceid"].asInt(), 3);
    EXPECT_EQ(login["platid"].asInt(), 0);
    EXPECT_EQ(login["flag"].asInt(), 0);
    EXPECT_EQ(login["mac"].asString(), m_platform->identity);
    EXPECT_EQ(login["pwd"].asString(), "DIGEST");
    EXPECT_EQ(game.systems(), (std::vector<int>{49, 16, 1, 25, 25, 4, 23}));
    EXPECT_EQ(m_events, (std::vector<std::string>{"done:0"}));
    EXPECT_EQ(UserSession::instance().accountKind(), 1);
    EXPECT_EQ(UserSession::instance().sessionId(), "fresh");
    EXPECT_TRUE(StoredSettings::readBool(settings::kRememberPassword, false));
    EXPECT_TRUE(StoredSettings::readBool(settings::kRegisteredPlayer, false));
    ads.loadTouched();
    EXPECT_TRUE(ads.records().empty()) << "both reported advertisements are marked 2";
}

TEST_F(UserSessionTest, AFailedUserRecordEndsTheChainSilently) {
    LoopbackServer game(true, gameScript(0));
    LoopbackServer entry(false, [&](const Json::Value&) { return Reply::json(loginAnswer(game.port())); });
    NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    UserSession::instance().login("", "", probe, callfuncI_selector(Probe::onDone), callfunc_selector(Probe::onFail));
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(game.systems(), (std::vector<int>{49, 16, 1}));
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(UserSession::instance().accountKind(), 2) << "a guest";
    EXPECT_FALSE(StoredSettings::readBool(settings::kRememberPassword, false));
}

TEST_F(UserSessionTest, RefusedLoginsShowTheirBox) {
    struct Case {
        const char* name;
        int fail;
        const char* tip;
        const char* shown;
    };
    const Case cases[] = {
        {"name", 1, "", "UserNameError-zh"},
        {"no such user", 2, "", "UserNameNoExist-zh"},
        {"password", 3, "", "PasswordError-zh"},
        {"server tip wins", 3, "try later", "try later"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_scene->removeAllChildrenWithCleanup(true);
        LoopbackServer entry(false, [&](const Json::Value&) {
            Json::Value answer;
            answer["response"] = 0;
            answer["fail"] = c.fail;
            answer["tip"] = c.tip;
            return Reply::json(answer);
        });
        NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
        Probe* probe = Probe::create(&m_events);
        m_scene->addChild(probe);
        UserSession::instance().login("u", "p", probe, callfuncI_selector(Probe::onDone),
                                      callfunc_selector(Probe::onFail));
        ASSERT_TRUE(pumpUntilIdle());
        engine::testing::stepFrames(1);
        EXPECT_TRUE(treeContainsText(m_scene, c.shown));
        EXPECT_TRUE(m_events.empty());
    }
}

TEST_F(UserSessionTest, LoginNetworkFailureReachesTheCaller) {
    NetManager::instance().setEntryEndpoint("127.0.0.1", LoopbackServer::closedPort());
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    UserSession::instance().login("", "", probe, callfuncI_selector(Probe::onDone), callfunc_selector(Probe::onFail));
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(m_events, (std::vector<std::string>{"fail"}));
}

} // namespace
