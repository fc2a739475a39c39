// The request queue against a loopback server: statuses, boxes, the busy overlay, heartbeats and
// targets that go away while their request is under way.
#include "net/CNetLayer.h"
#include "net/CReceivedThread.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "testing/EngineTesting.h"
#include "wire/frame.h"

#include <chrono>
#include <thread>

USING_NS_CC;
using namespace test_support;

namespace {

class NetManagerTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        m_scene = enterScene(2);
        NetManager::installFrameHook();
        ASSERT_TRUE(pumpUntilIdle());
        NetManager::instance().resetForTesting();
        UserSession::instance().setLoginValues(7, "session-7");
        UserSession::instance().setDeviceText("DEVICE");
        CReceivedThread::timeLimitMs() = 300;
    }
    void TearDown() override {
        EXPECT_TRUE(pumpUntilIdle());
        CReceivedThread::timeLimitMs() = 20000;
        ClientTest::TearDown();
    }

    void useGameServer(LoopbackServer& server) { NetManager::instance().setGameEndpoint("127.0.0.1", server.port()); }

    // Request type 3 (user information) to the game server, with the probe's handlers.
    void sendUserInfo(Probe* probe, Busy busy = Busy::No) {
        Json::Value body(Json::objectValue);
        body["system"] = 1;
        NetManager::instance().sendJson(kGameServer, 3, body, probe, net_selector(Probe::onResponse),
                                        net_selector(Probe::onStatus), busy, Dim::Yes);
    }

    int boxesWithTag(int tag) const {
        int count = 0;
        CCArray* children = m_scene->getChildren();
        for (unsigned i = 0; children && i < children->count(); ++i) {
            auto* node = static_cast<CCNode*>(children->objectAtIndex(i));
            if (node->getTag() == tag && dynamic_cast<CMyMessageBox*>(node)) count += 1;
        }
        return count;
    }

    int childrenWithTag(int tag) const {
        int count = 0;
        CCArray* children = m_scene->getChildren();
        for (unsigned i = 0; children && i < children->count(); ++i) {
            if (static_cast<CCNode*>(children->objectAtIndex(i))->getTag() == tag) count += 1;
        }
        return count;
    }

    CCScene* m_scene = nullptr;
    std::vector<std::string> m_events;
};

TEST_F(NetManagerTest, GameRequestsCarryTheSessionMembers) {
    LoopbackServer server(true, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 1;
        answer["score"] = 31;
        return Reply::json(answer);
    });
    useGameServer(server);
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    Json::Value body(Json::objectValue);
    body["system"] = 1;
    body["mac"] = "forged";
    body["id"] = 999;
    NetManager::instance().sendJson(kGameServer, 3, body, probe, net_selector(Probe::onResponse),
                                    net_selector(Probe::onStatus), Busy::No, Dim::Yes);
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_EQ(server.requests().size(), 1u);
    const Json::Value request = server.requests()[0];
    EXPECT_EQ(request["mac"].asString(), "DEVICE");
    EXPECT_EQ(request["sessionid"].asString(), "session-7");
    EXPECT_EQ(request["id"].asInt(), 7);
    EXPECT_EQ(m_events, (std::vector<std::string>{"response:0"}));
}

TEST_F(NetManagerTest, NothingLeavesBeforeLogin) {
    UserSession::instance().reset();
    LoopbackServer server(true, [](const Json::Value&) { return Reply::close(); });
    useGameServer(server);
    sendUserInfo(nullptr);
    NetManager::instance().sendJson(kEntryServer, 3, Json::Value(Json::objectValue), nullptr, nullptr, nullptr,
                                    Busy::No, Dim::No);
    for (int i = 0; i < 1300; ++i) NetManager::instance().poll();
    EXPECT_EQ(NetManager::instance().outstanding(), 0);
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(NetManagerTest, EachFailureStatusReachesTheHandlerBeforeTheBox) {
    struct Case {
        const char* name;
        int status;
        bool handlerAddsOwnBox;
        int netFailBoxesTagged; // boxes with tag 1003 afterwards
        int untaggedBoxes;
    };
    const Case cases[] = {
        {"no connection", 0, false, 1, 0}, {"time-out", 1, false, 1, 0}, {"empty", 2, false, 0, 1},
        {"no connection, tag taken", 0, true, 0, 0}, {"time-out, tag taken", 1, true, 0, 0},
        {"empty, tag taken", 2, true, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_events.clear();
        m_scene->removeAllChildrenWithCleanup(true);
        LoopbackServer server(true, [&](const Json::Value&) { return c.status == 1 ? Reply::hold() : Reply::close(); });
        NetManager::instance().setGameEndpoint("127.0.0.1", c.status == 0 ? LoopbackServer::closedPort() : server.port());
        Probe* probe = Probe::create(&m_events);
        probe->m_addOwnBox = c.handlerAddsOwnBox;
        m_scene->addChild(probe);
        sendUserInfo(probe);
        ASSERT_TRUE(pumpUntilIdle());
        ASSERT_EQ(m_events.size(), 1u);
        EXPECT_EQ(m_events[0], "status:" + std::to_string(c.status) + " no-box");
        EXPECT_EQ(boxesWithTag(kNetworkBoxTag), c.netFailBoxesTagged);
        EXPECT_EQ(boxesWithTag(kCCNodeTagInvalid), c.untaggedBoxes);
        EXPECT_EQ(treeContainsText(m_scene, "netFail-zh"), c.netFailBoxesTagged + c.untaggedBoxes > 0);
    }
}

TEST_F(NetManagerTest, FailuresWithoutStatusHandlerShowNothing) {
    NetManager::instance().setGameEndpoint("127.0.0.1", LoopbackServer::closedPort());
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    Json::Value body(Json::objectValue);
    body["system"] = 1;
    NetManager::instance().sendJson(kGameServer, 3, body, probe, net_selector(Probe::onResponse), nullptr, Busy::No,
                                    Dim::Yes);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(m_scene->getChildByTag(kNetworkBoxTag), nullptr);
}

TEST_F(NetManagerTest, TwoBusyRequestsShowOneOverlayUntilTheLastAnswer) {
    int seen = 0;
    LoopbackServer server(true, [&](const Json::Value&) {
        seen += 1;
        if (seen == 2) return Reply::hold(); // the second ends in a time-out
        Json::Value answer;
        answer["response"] = 1;
        return Reply::json(answer);
    });
    useGameServer(server);
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    sendUserInfo(probe, Busy::Yes);
    sendUserInfo(probe, Busy::Yes);
    EXPECT_EQ(childrenWithTag(kBusyOverlayTag), 1);
    EXPECT_EQ(NetManager::instance().busyCount(), 2);
    ASSERT_TRUE(pumpUntilOutstanding(1));
    EXPECT_EQ(childrenWithTag(kBusyOverlayTag), 1);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(childrenWithTag(kBusyOverlayTag), 0);
    EXPECT_EQ(NetManager::instance().busyCount(), 0);
    EXPECT_EQ(m_events, (std::vector<std::string>{"response:0", "status:1 no-box"}));
}

TEST_F(NetManagerTest, NoNetworkShowsOneBoxAndQueuesNothing) {
    m_platform->networkAlive = false;
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    sendUserInfo(probe, Busy::Yes);
    sendUserInfo(probe, Busy::Yes);
    EXPECT_EQ(NetManager::instance().outstanding(), 0);
    EXPECT_EQ(NetManager::instance().busyCount(), 0);
    EXPECT_EQ(childrenWithTag(kNetworkBoxTag), 1);
    EXPECT_TRUE(treeContainsText(m_scene->getChildByTag(kNetworkBoxTag), "haveNoNet-zh"));
    EXPECT_EQ(m_scene->getChildByTag(kNetworkBoxTag)->getZOrder(), kNetworkBoxZ);
    engine::testing::stepFrames(3);
    EXPECT_TRUE(m_events.empty());
}

TEST_F(NetManagerTest, HeartbeatEveryIntervalTimesSixtyPasses) {
    LoopbackServer server(true, [](const Json::Value&) { return Reply::hold(); });
    useGameServer(server);
    NetManager& net = NetManager::instance();
    for (float interval : {20.0f, 1.0f}) {
        SCOPED_TRACE(interval);
        net.setHeartbeatInterval(20); // while draining, held heartbeats must not pile up
        ASSERT_TRUE(pumpUntilIdle());
        net.resetForTesting();
        net.setHeartbeatInterval(interval);
        const int passes = static_cast<int>(interval * 60);
        for (int i = 0; i < passes - 1; ++i) net.poll();
        EXPECT_EQ(net.outstanding(), 0);
        net.poll();
        EXPECT_EQ(net.outstanding(), 1);
    }
    net.setHeartbeatInterval(20);
    ASSERT_TRUE(pumpUntilIdle());
    net.resetForTesting();
    net.setHeartbeatInterval(0);
    EXPECT_EQ(net.heartbeatInterval(), 0);
    net.poll();
    net.poll();
    net.poll();
    EXPECT_EQ(net.outstanding(), 3);
    net.setHeartbeatInterval(-5);
    EXPECT_EQ(net.heartbeatInterval(), 0);
    net.setHeartbeatInterval(20);
    ASSERT_TRUE(pumpUntilIdle());
    for (int system : server.systems()) EXPECT_EQ(system, 10);
}

TEST_F(NetManagerTest, AScreenLeftDuringItsRequestHearsNothing) {
    LoopbackServer server(true, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 1;
        return Reply::json(answer);
    });
    useGameServer(server);
    Probe::s_destroyed = 0;
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    engine::testing::stepFrames(1); // the autorelease pool lets go of it
    sendUserInfo(probe);
    m_scene->removeChild(probe, true);
    EXPECT_EQ(Probe::s_destroyed, 0) << "the pending request keeps it alive";
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_TRUE(m_events.empty());
    EXPECT_EQ(Probe::s_destroyed, 1);
    EXPECT_TRUE(logged("has gone"));
}

TEST_F(NetManagerTest, BadAnswersAreLoggedAndStillReleaseTheOverlay) {
    struct Case {
        const char* name;
        Reply reply;
        const char* logPart;
    };
    std::string oversized = wire::frameAnswer("x");
    oversized[2] = '\x7f'; // announces some 8 MB
    const Case cases[] = {
        {"garbage", Reply::raw(wire::frameAnswer("\x01\x02garbage")), "refused"},
        {"not JSON", Reply::raw(wire::frameAnswer(wire::encodeAnswerBody("not json {", '3', 9))), "json error"},
        {"a JSON array", Reply::raw(wire::frameAnswer(wire::encodeAnswerBody("[1,2]", '1', 9))), "json error"},
        {"truncated", Reply::raw(wire::frameAnswer(wire::encodeAnswerBody(R"({"response":1})", '1', 9)).substr(0, 9)),
         ""},
        {"oversized", Reply::raw(oversized), "receive buffer"},
        {"wrong member types", Reply::raw(wire::frameAnswer(wire::encodeAnswerBody(
                                   R"({"response":{"x":1},"score":"a"})", '1', 9))),
         "not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_events.clear();
        m_log.clear();
        m_scene->removeAllChildrenWithCleanup(true);
        LoopbackServer server(true, [&](const Json::Value&) { return c.reply; });
        useGameServer(server);
        Probe* probe = Probe::create(&m_events);
        m_scene->addChild(probe);
        sendUserInfo(probe, Busy::Yes);
        ASSERT_TRUE(pumpUntilIdle());
        EXPECT_EQ(m_scene->getChildByTag(kBusyOverlayTag), nullptr);
        if (*c.logPart) {
            EXPECT_TRUE(logged(c.logPart));
        }
        for (const std::string& event : m_events) {
            EXPECT_TRUE(event == "status:1 no-box" || event == "response:-1") << event;
        }
    }
}

TEST_F(NetManagerTest, UnknownRequestTypesCallNoHandler) {
    LoopbackServer server(true, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 1;
        return Reply::json(answer);
    });
    useGameServer(server);
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    for (int type : {58, 1000, 34}) {
        Json::Value body(Json::objectValue);
        body["system"] = 0;
        body["media"] = "a.png";
        NetManager::instance().sendJson(kGameServer, type, body, probe, net_selector(Probe::onResponse),
                                        net_selector(Probe::onStatus), Busy::Yes, Dim::Yes);
    }
    ASSERT_TRUE(pumpUntilIdle());
    // Only the media answer (type 34) reaches its handler, with -1.
    EXPECT_EQ(m_events, (std::vector<std::string>{"response:-1"}));
    EXPECT_TRUE(logged("has no parser"));
    EXPECT_EQ(m_scene->getChildByTag(kBusyOverlayTag), nullptr);
}

TEST_F(NetManagerTest, EntryRequestsGoPlain) {
    LoopbackServer entry(false, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 0;
        answer["update"] = 1;
        return Reply::json(answer);
    });
    NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
    Probe* probe = Probe::create(&m_events);
    m_scene->addChild(probe);
    const std::string body = R"({"system":0,"version":"2.2.2"})";
    NetManager::instance().send(kEntryServer, 0, body.data(), static_cast<int>(body.size()), probe,
                                net_selector(Probe::onResponse), net_selector(Probe::onStatus), Busy::No, Dim::No);
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_EQ(entry.requests().size(), 1u);
    EXPECT_EQ(entry.requests()[0]["version"].asString(), "2.2.2");
    EXPECT_EQ(m_events, (std::vector<std::string>{"response:1"}));
}

} // namespace

namespace {
// Answers each answer with a new request and waits until its answer is back in the queue, the way
// a re-login against a fast local server does.
class Resender : public cocos2d::CCNode {
public:
    static Resender* create() {
        auto* node = new Resender;
        node->autorelease();
        return node;
    }
    void send() {
        Json::Value body(Json::objectValue);
        body["system"] = 1;
        NetManager::instance().sendJson(kGameServer, 3, body, this, net_selector(Resender::onResponse), nullptr,
                                        Busy::No, Dim::No);
    }
    void onResponse(int) {
        answers += 1;
        if (answers >= 5) return;
        send();
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (NetManager::instance().answersWaiting() == 0 && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    int answers = 0;
};
} // namespace

TEST_F(NetManagerTest, OnePassHandlesOnlyTheAnswersAlreadyWaiting) {
    LoopbackServer server(true, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 1;
        return Reply::json(answer);
    });
    useGameServer(server);
    Resender* resender = Resender::create();
    m_scene->addChild(resender);
    NetManager& net = NetManager::instance();
    resender->send();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (net.answersWaiting() == 0 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(net.answersWaiting(), 1);
    // The handler's own request is answered before the pass ends; the frame still ends.
    net.poll();
    EXPECT_EQ(resender->answers, 1);
    EXPECT_EQ(net.answersWaiting(), 1);
    net.poll();
    EXPECT_EQ(resender->answers, 2);
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(resender->answers, 5);
}
