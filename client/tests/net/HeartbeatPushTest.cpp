// What a heartbeat answer carries: contest questions, pushes for the contest screen on stage, and
// the team-match status with its announcement.
#include "app/SceneDirector.h"
#include "net/CReceivedThread.h"
#include "net/ContestParsers.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/MsgResponse.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class HeartbeatPushTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        NetManager::installFrameHook();
        ASSERT_TRUE(pumpUntilIdle());
        UserSession::instance().setLoginValues(9, "s9");
        ContestParsers::hooks().contestQuestion = [this](const Json::Value& v) {
            m_events.push_back("question:" + JsonRead::textOf(v, "question"));
        };
        ContestParsers::hooks().contestPush = [this](int scene, const Json::Value& v) {
            m_events.push_back("push:" + std::to_string(scene) + ":" + std::to_string(JsonRead::intOf(v, "system")));
            return JsonRead::intOf(v, "system") == 28;
        };
    }
    void TearDown() override {
        ContestParsers::hooks().contestQuestion = nullptr;
        ContestParsers::hooks().contestPush = nullptr;
        EXPECT_TRUE(pumpUntilIdle());
        ClientTest::TearDown();
    }
    void heartbeat(const std::string& json) {
        int code = -1;
        EXPECT_TRUE(MsgResponse::instance().OnResPonse(json, 35, &code));
        EXPECT_EQ(code, -1);
    }
    std::vector<std::string> m_events;
};

TEST_F(HeartbeatPushTest, ContestQuestionsGoToTheQuestionFlowWhateverTheScene) {
    enterScene(2);
    heartbeat(R"({"system":29,"question":"q1","teammatchstatus":2})");
    EXPECT_EQ(m_events, (std::vector<std::string>{"question:q1"}));
    EXPECT_EQ(GameData::instance().teamMatchStatus, 0);
}

TEST_F(HeartbeatPushTest, TheContestScreenOnStageSeesPushesFirst) {
    for (int scene : {22, 23, 28}) {
        m_events.clear();
        GameData::instance().teamMatchStatus = 0;
        enterScene(scene);
        heartbeat(R"({"system":28,"act":0,"teammatchstatus":2})");
        heartbeat(R"({"system":31,"teammatchstatus":3})");
        EXPECT_EQ(m_events, (std::vector<std::string>{"push:" + std::to_string(scene) + ":28",
                                                      "push:" + std::to_string(scene) + ":31"}));
        EXPECT_EQ(GameData::instance().teamMatchStatus, 3) << "an unhandled push still updates the status";
    }
    m_events.clear();
    enterScene(2);
    heartbeat(R"({"system":28,"teammatchstatus":4})");
    EXPECT_TRUE(m_events.empty()) << "no contest screen on stage";
    EXPECT_EQ(GameData::instance().teamMatchStatus, 4);
    heartbeat(R"({"system":10})");
    EXPECT_EQ(GameData::instance().teamMatchStatus, 4) << "a heartbeat without status changes nothing";
}

TEST_F(HeartbeatPushTest, ATeamMatchAboutToBeginIsAnnounced) {
    CReceivedThread::timeLimitMs() = 2000;
    LoopbackServer game(true, [](const Json::Value& request) {
        Json::Value answer;
        answer["response"] = 1;
        if (request["system"].asInt() == 40) {
            answer["myteamid"] = 31;
            answer["myteamname"] = "rabbits";
        }
        if (request["system"].asInt() == 39) {
            Json::Value member;
            member["userid"] = 9;
            answer["teammember"].append(member);
        }
        return Reply::json(answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", game.port());
    CCScene* scene = enterScene(2);
    GameData::instance().teamMembers.push_back(TeamMember{});
    heartbeat(R"({"system":10,"teammatchstatus":1})");
    ASSERT_TRUE(pumpUntilIdle());
    const auto requests = game.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0]["system"].asInt(), 40);
    EXPECT_FALSE(requests[0].isMember("act"));
    EXPECT_EQ(requests[0]["page"].asInt(), 0);
    EXPECT_EQ(requests[1]["system"].asInt(), 39);
    EXPECT_EQ(requests[1]["teamid"].asInt(), 31);
    EXPECT_TRUE(treeContainsText(scene, "gameWillBegin-zh"));
    CReceivedThread::timeLimitMs() = 20000;
}

TEST_F(HeartbeatPushTest, NoAnnouncementWithoutATeam) {
    // Nothing known about teams (no team screen since the login): the list answer tells whether
    // the player has one, and without one nothing more is asked or shown.
    LoopbackServer game(true, [](const Json::Value&) {
        Json::Value answer;
        answer["response"] = 1;
        answer["myteamid"] = 0;
        return Reply::json(answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", game.port());
    CCScene* scene = enterScene(2);
    heartbeat(R"({"system":10,"teammatchstatus":1})");
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(GameData::instance().teamMatchStatus, 1);
    ASSERT_EQ(game.requests().size(), 1u);
    EXPECT_EQ(game.requests()[0]["system"].asInt(), 40);
    EXPECT_FALSE(treeContainsText(scene, "gameWillBegin-zh"));
}

} // namespace
