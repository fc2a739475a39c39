// The challenge hall against the real server: the king may not challenge, a challenge waits 30 s
// for the king, and the king's popup answers a challenger within 30 s.
#include "contest/CHD_ChallengeLayer.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/HallTestSupport.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "net/ContestParsers.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

CCMenuItem* popupItem(CHD_ChallengeLayer* hall, int index) {
    CCMenu* menu = nullptr;
    for (CCMenu* found : childrenOf<CCMenu>(hall->popup())) menu = found;
    if (menu == nullptr || menu->getChildrenCount() <= static_cast<unsigned>(index)) return nullptr;
    return dynamic_cast<CCMenuItem*>(static_cast<CCObject*>(menu->getChildren()->objectAtIndex(index)));
}

// The challenge hall against the real server; the king is whoever registered first.
class HallChallengeServerTest : public HallServerTest {
protected:
    CHD_ChallengeLayer* enterHall() {
        enter(21); // the day's schedule, as the player comes in
        enter(28);
        return screen<CHD_ChallengeLayer>();
    }
};

TEST_F(HallChallengeServerTest, TheKingIsToldHeCannotChallenge) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    CHD_ChallengeLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    EXPECT_FLOAT_EQ(NetManager::instance().heartbeatInterval(), 1.0f);
    const auto entered = served(27, 1);
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_NE(entered[0].find("matchtype=3"), std::string::npos);
    EXPECT_NE(hall->isKing(), 0) << "the first registered player with the top week score";
    tapWidget(hall->widget("challengebtn"));
    ASSERT_NE(boxSaying(text("HDKingCanNotChallenge")), nullptr);
    pressSure(boxSaying(text("HDKingCanNotChallenge")));
    settle();
    EXPECT_TRUE(served(28).empty());
}

TEST_F(HallChallengeServerTest, AChallengeWithoutAnswerEndsAfterThirtySecondsWithNoKing) {
    ASSERT_NO_FATAL_FAILURE(signUp(true));
    ASSERT_EQ(m_remote.presence(1, 3)["isking"].asInt(), 1);
    CHD_ChallengeLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    EXPECT_EQ(hall->isKing(), 0);
    tapWidget(hall->widget("challengebtn"));
    // Type 3: five a day, one free; a new player has all five, so this one is free.
    CMyMessageBox* box = boxSaying(text("HDDoublesLayerTrue"));
    ASSERT_NE(box, nullptr);
    pressSure(box);
    settle();
    const auto asked = served(28, 0);
    EXPECT_TRUE(answered(asked, 1));
    ASSERT_FALSE(asked.empty());
    EXPECT_NE(asked[0].find("matchtype=3"), std::string::npos);
    const Json::Value reached = m_remote.awaitPush(28, 0);
    EXPECT_EQ(reached["challenge"].asString(), std::to_string(clientId())) << "the king hears who, by id";
    EXPECT_NE(hall->getChildByTag(CHD_ChallengeLayer::kSearchCoverTag), nullptr);
    // The king keeps silent; game time runs far ahead of the server's 30 s.
    wait(29.5f);
    EXPECT_EQ(boxSaying(text("HDNoWisdomKing")), nullptr);
    wait(1.0f);
    EXPECT_NE(boxSaying(text("HDNoWisdomKing")), nullptr);
    EXPECT_EQ(hall->getChildByTag(CHD_ChallengeLayer::kSearchCoverTag), nullptr);
}

TEST_F(HallChallengeServerTest, NoKingInTheAnswerEndsTheWaitAtOnce) {
    // The king never comes into the challenge hall.
    ASSERT_NO_FATAL_FAILURE(signUp(true));
    CHD_ChallengeLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    tapWidget(hall->widget("challengebtn"));
    pressSure(boxes().front());
    settle();
    EXPECT_TRUE(answered(served(28, 0), 0));
    EXPECT_EQ(hall->getChildByTag(CHD_ChallengeLayer::kSearchCoverTag), nullptr);
    ASSERT_NE(boxSaying(text("HDNoWisdomKing")), nullptr);
    pressSure(boxSaying(text("HDNoWisdomKing")));
    wait(31);
    EXPECT_TRUE(boxes().empty()) << "the 30-second step went with the wait";
}

TEST_F(HallChallengeServerTest, TheKingsPopupIgnoresASecondChallengerAndRefusesOnceWhenTimeRunsOut) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    RemotePlayer second;
    ASSERT_TRUE(m_server.addRemote(second, "13900000004"));
    CHD_ChallengeLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    ASSERT_NE(hall->isKing(), 0);
    const float restY = hall->popup()->getPositionY();
    ASSERT_EQ(m_remote.presence(1, 3)["response"].asInt(), 1);
    ASSERT_EQ(second.presence(1, 3)["response"].asInt(), 1);
    ASSERT_EQ(m_remote.pair(0, 3)["response"].asInt(), 1);
    ASSERT_TRUE(ContestServer::until([&] { return hall->pendingCountdown() >= 0; }, 10, 0.1f));
    const std::string first = hall->messageText()->getString();
    wait(1.5f);
    EXPECT_FLOAT_EQ(hall->popup()->getPositionY(), restY + 180);
    // The server turns a second challenger away while the king answers the first...
    const auto turnedAway = second.pair(0, 3);
    EXPECT_EQ(turnedAway["response"].asInt(), 0);
    EXPECT_EQ(turnedAway["act"].asInt(), 4);
    // ...and should one reach the king all the same (an older server), the popup keeps the first.
    Json::Value stray(Json::objectValue);
    stray["system"] = 28;
    stray["act"] = 0;
    stray["name"] = "second";
    stray["challenge"] = second.idText();
    stray["eqquse"] = 1;
    ContestParsers::heartbeat(stray, nullptr);
    std::vector<std::string> shown{hall->countdownText()->getString()};
    for (int i = 0; i < 66; ++i) {
        wait(0.5f);
        EXPECT_EQ(hall->messageText()->getString(), first);
        if (shown.back() != hall->countdownText()->getString()) shown.push_back(hall->countdownText()->getString());
    }
    EXPECT_EQ(shown.front(), fillText(text("HDDoublesTimeSurplus"), {"30"}));
    for (const std::string& s : shown) EXPECT_EQ(s.find('-'), std::string::npos) << s;
    const auto refused = served(28, 2);
    EXPECT_TRUE(answered(refused, 1));
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("matchtype=3"), std::string::npos);
    // The server knows the challenge by the challenger's id: the first one's was refused.
    EXPECT_NE(m_server.process().output().find("player " + std::to_string(clientId()) + " refuses the challenge of " +
                                              m_remote.idText()),
              std::string::npos);
    EXPECT_FLOAT_EQ(hall->popup()->getPositionY(), restY);
}

TEST_F(HallChallengeServerTest, TheKingAcceptsAndTheContestFacesOffIntoPlay) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    CHD_ChallengeLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    ASSERT_NE(hall->isKing(), 0);
    ASSERT_EQ(m_remote.presence(1, 3)["response"].asInt(), 1);
    ASSERT_EQ(m_remote.pair(0, 3)["response"].asInt(), 1);
    ASSERT_TRUE(ContestServer::until([&] { return hall->pendingCountdown() >= 0; }, 10, 0.1f));
    const std::string shown = hall->messageText()->getString();
    EXPECT_NE(shown.find(text("HDDoublesThrowDownTheChallenge")), std::string::npos) << shown;
    wait(1.0f);
    CCMenuItem* sure = popupItem(hall, 1);
    ASSERT_NE(sure, nullptr);
    tapNode(sure);
    settle();
    EXPECT_TRUE(answered(served(28, 1), 1)) << "the server knew the challenger by the id it pushed";
    ASSERT_TRUE(ContestServer::until([&] { return !childrenOf<CHD_LoadingLayer>(hall).empty(); }, 10, 0.1f));
    EXPECT_FALSE(GameData::instance().opponent.name.empty());
    EXPECT_EQ(GameData::instance().opponent.level, m_remote.record()["level"].asInt());
    EXPECT_EQ(m_remote.awaitPush(28, 3)["challenge"].asString(), std::to_string(clientId()));
    const auto faceOffs = childrenOf<CHD_LoadingLayer>(hall);
    ASSERT_EQ(faceOffs.size(), 1u);
    EXPECT_EQ(faceOffs[0]->kind(), CHD_LoadingLayer::kChallenge);
    wait(4.0f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 22);
    EXPECT_TRUE(served(28, 2).empty());
}

TEST_F(HallChallengeServerTest, BackLeavesAtOnce) {
    ASSERT_NO_FATAL_FAILURE(signUp(true));
    CHD_ChallengeLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    tapWidget(hall->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
    settle();
    const auto left = served(27, 2);
    EXPECT_TRUE(answered(left, 1));
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NE(left[0].find("matchtype=3"), std::string::npos);
}

} // namespace
