// Pushes in heartbeat answers reach the contest screen on stage through the router, and nothing
// else once that screen has left.
#include "contest/ContestPushRouter.h"
#include "net/ContestParsers.h"
#include "net/JsonRead.h"
#include "net/MsgResponse.h"
#include "support/TestSupport.h"

using namespace test_support;

namespace {

class ContestPushRouterTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        ContestPushRouter::install();
        ContestPushRouter::setHallHandler([this](const Json::Value& v) {
            m_seen.push_back("hall:" + std::to_string(JsonRead::intOf(v, "act")));
            return true;
        });
        ContestPushRouter::setPlayHandler([this](const Json::Value& v) {
            m_seen.push_back("play:" + std::to_string(JsonRead::intOf(v, "system")));
            return JsonRead::intOf(v, "system") != 99;
        });
    }
    void TearDown() override {
        ContestPushRouter::clearHallHandler();
        ContestPushRouter::clearPlayHandler();
        ContestParsers::hooks().contestPush = nullptr;
        ClientTest::TearDown();
    }
    void heartbeat(const std::string& json) {
        int code = -1;
        EXPECT_TRUE(MsgResponse::instance().OnResPonse(json, 35, &code));
    }
    std::vector<std::string> m_seen;
};

TEST_F(ContestPushRouterTest, EachSceneGetsItsOwnPushes) {
    enterScene(23);
    heartbeat(R"({"system":28,"act":3,"teammatchstatus":0})");
    enterScene(28);
    heartbeat(R"({"system":28,"act":0,"teammatchstatus":0})");
    enterScene(22);
    heartbeat(R"({"system":31,"bright":1,"teammatchstatus":0})");
    enterScene(2);
    heartbeat(R"({"system":28,"act":0,"teammatchstatus":0})");
    EXPECT_EQ(m_seen, (std::vector<std::string>{"hall:3", "hall:0", "play:31"}));
}

TEST_F(ContestPushRouterTest, AClearedSlotLeavesThePushToTheGeneralPart) {
    ContestPushRouter::clearHallHandler();
    enterScene(23);
    EXPECT_FALSE(ContestPushRouter::dispatch(23, Json::Value()));
    heartbeat(R"({"system":28,"act":0,"teammatchstatus":5})");
    EXPECT_TRUE(m_seen.empty());
    Json::Value unknown;
    unknown["system"] = 99;
    EXPECT_FALSE(ContestPushRouter::dispatch(22, unknown)) << "the play screen did not take it";
}

TEST_F(ContestPushRouterTest, AHandlerMayClearItselfWhileRunning) {
    ContestPushRouter::setHallHandler([this](const Json::Value&) {
        ContestPushRouter::clearHallHandler();
        m_seen.push_back("once");
        return true;
    });
    EXPECT_TRUE(ContestPushRouter::dispatch(28, Json::Value()));
    EXPECT_FALSE(ContestPushRouter::dispatch(28, Json::Value()));
    EXPECT_EQ(m_seen, (std::vector<std::string>{"once"}));
}

} // namespace

namespace {

TEST_F(ContestPushRouterTest, AScreenLeavingLateDoesNotClearTheNextScreensSlot) {
    int leaving = 0, entering = 0;
    ContestPushRouter::setHallHandler(&leaving, [this](const Json::Value&) {
        m_seen.push_back("old");
        return true;
    });
    ContestPushRouter::setHallHandler(&entering, [this](const Json::Value&) {
        m_seen.push_back("new");
        return true;
    });
    ContestPushRouter::clearHallHandler(&leaving);
    EXPECT_TRUE(ContestPushRouter::dispatch(23, Json::Value()));
    ContestPushRouter::clearHallHandler(&entering);
    EXPECT_FALSE(ContestPushRouter::dispatch(23, Json::Value()));
    EXPECT_EQ(m_seen, (std::vector<std::string>{"new"}));
}

} // namespace
