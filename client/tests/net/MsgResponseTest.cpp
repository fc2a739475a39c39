// Answer dispatch: the JSON gate, the parser table and the session notices.
#include "app/Md5.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/CReceivedThread.h"
#include "net/GameData.h"
#include "net/MsgResponse.h"
#include "net/NetManager.h"
#include "net/NetTypes.h"
#include "net/UserSession.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"
#include "widgets/CMyMessageBox.h"

USING_NS_CC;
using namespace test_support;

namespace {

class MsgResponseTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        m_scene = enterScene(2);
        NetManager::installFrameHook();
        ASSERT_TRUE(pumpUntilIdle());
        UserSession::instance().setLoginValues(3, "s");
        CReceivedThread::timeLimitMs() = 300;
    }
    void TearDown() override {
        NetManager::instance().setEntryEndpoint("127.0.0.1", 8000);
        EXPECT_TRUE(pumpUntilIdle());
        CReceivedThread::timeLimitMs() = 20000;
        ClientTest::TearDown();
    }
    bool dispatch(const std::string& text, int type, int* code) {
        return MsgResponse::instance().OnResPonse(text, type, code);
    }
    CCScene* m_scene = nullptr;
};

TEST_F(MsgResponseTest, RefusesWhatItCannotParse) {
    int code = -1;
    const std::string tooDeep = "{\"response\":" + std::string(2000, '[') + std::string(2000, ']') + "}";
    for (const std::string& text : {std::string(), std::string("garbage"), std::string("{\"response\":1"),
                                   std::string("\xff\xfe"), tooDeep}) {
        m_log.clear();
        EXPECT_FALSE(dispatch(text, 3, &code)) << text;
        EXPECT_TRUE(logged("MsgResponse::OnResPonse json error!")) << text;
    }
    EXPECT_FALSE(dispatch("[1]", 3, &code));
    EXPECT_FALSE(dispatch("7", 3, &code));
    EXPECT_FALSE(dispatch(R"({"response":1})", 58, &code));
    EXPECT_FALSE(dispatch(R"({"response":1})", -2, &code));
    EXPECT_EQ(code, -1);
}

TEST_F(MsgResponseTest, MediaAnswersAreNeverParsed) {
    int code = -1;
    GameData::instance().user.score = 5;
    EXPECT_TRUE(dispatch(R"({"response":1,"score":99})", kMediaRequestType, &code));
    EXPECT_TRUE(dispatch("\x89PNG", kMediaRequestType, &code));
    EXPECT_EQ(code, -1);
    EXPECT_EQ(GameData::instance().user.score, 5);
}

TEST_F(MsgResponseTest, ExpiredSessionShowsOneBoxAndASecondClearsIt) {
    UserSession::instance().setAccountKind(1);
    int code = -1;
    ASSERT_TRUE(dispatch(R"({"system":1,"response":2,"score":8})", 3, &code));
    EXPECT_EQ(code, -1) << "no parser ran";
    CCNode* box = m_scene->getChildByTag(kSessionBoxTag);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(treeContainsText(box, "timeOut-zh"));
    EXPECT_EQ(box->getZOrder(), 1);
    EXPECT_EQ(static_cast<CMyMessageBox*>(box)->registeredPriority(), -1282);
    EXPECT_EQ(UserSession::instance().accountKind(), 0);
    ASSERT_TRUE(dispatch(R"({"system":1,"response":2})", 3, &code));
    EXPECT_EQ(m_scene->getChildByTag(kSessionBoxTag), nullptr);
}

TEST_F(MsgResponseTest, ExpiredSessionOnTheUserScreenShowsNothing) {
    CCScene* userScene = enterScene(13);
    UserSession::instance().setAccountKind(1);
    int code = -1;
    EXPECT_TRUE(dispatch(R"({"system":1,"response":2})", 3, &code));
    EXPECT_EQ(userScene->getChildByTag(kSessionBoxTag), nullptr);
    EXPECT_EQ(code, -1);
}

TEST_F(MsgResponseTest, LoginRiskForgetsThePassword) {
    StoredSettings::writeBool(settings::kRememberPassword, true);
    int code = -1;
    EXPECT_TRUE(dispatch(R"({"system":1,"response":3})", 3, &code));
    EXPECT_FALSE(StoredSettings::readBool(settings::kRememberPassword, true));
    EXPECT_TRUE(treeContainsText(m_scene->getChildByTag(kSessionBoxTag), "loginRisk-zh"));
    EXPECT_EQ(code, -1);
}

TEST_F(MsgResponseTest, SessionBoxSureGoesToTheUserScreen) {
    SceneDirector::instance().registerScene(13, [] { return CCScene::create(); });
    UserSession::instance().setAccountKind(1);
    int code = -1;
    dispatch(R"({"system":1,"response":2})", 3, &code);
    auto* box = static_cast<CMyMessageBox*>(m_scene->getChildByTag(kSessionBoxTag));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(1), nullptr);
    ASSERT_NE(box->button(3), nullptr);
    box->handleRelease(box->button(1)->getPosition());
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 13);
}

TEST_F(MsgResponseTest, GuestsAndRememberedPlayersLogInAgainSilently) {
    struct Case {
        const char* name;
        int accountKind;
        bool remember;
        const char* storedName;
        const char* expectedUser;
        bool expectDigest;
    };
    const Case cases[] = {
        {"guest", 2, false, "", "", false},
        {"remembered", 1, true, "13800000000", "13800000000", true},
        {"remembered, no name", 1, true, "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer entry(false, [](const Json::Value&) { return Reply::close(); });
        NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
        UserSession::instance().setAccountKind(c.accountKind);
        StoredSettings::writeBool(settings::kRememberPassword, c.remember);
        StoredSettings::storeUserName(c.storedName);
        StoredSettings::storePassword("secret");
        int code = -1;
        ASSERT_TRUE(dispatch(R"({"system":1,"response":2,"score":12})", 3, &code));
        EXPECT_EQ(code, -1) << "a response of 2 is not 1: the parser stored nothing";
        EXPECT_EQ(m_scene->getChildByTag(kSessionBoxTag), nullptr);
        ASSERT_TRUE(pumpUntilIdle());
        ASSERT_EQ(entry.requests().size(), 1u);
        const Json::Value login = entry.requests()[0];
        EXPECT_EQ(login["system"].asInt(), 2);
        EXPECT_EQ(login["username"].asString(), c.expectedUser);
        EXPECT_EQ(login["pwd"].asString(), c.expectDigest ? Md5::hexDigest("secret") : "");
    }
}

TEST_F(MsgResponseTest, GuestReloginStillRunsTheParser) {
    LoopbackServer entry(false, [](const Json::Value&) { return Reply::close(); });
    NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
    UserSession::instance().setAccountKind(2);
    int code = -1;
    ASSERT_TRUE(dispatch(R"({"system":1,"response":2})", 2, &code));
    EXPECT_EQ(code, 0) << "the location parser answers 0 whatever came";
}

} // namespace
