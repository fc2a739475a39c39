// The one-to-one hall: what the day's counts draw and ask, the search and its give-up, and the
// challenge popup with its 30-second answer window.
#include "contest/CHD_DoublesLayer.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/HallTestSupport.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

constexpr const char* kChallengeFromA =
    R"({"system":28,"act":0,"name":"大灰狼","challenge":"10001","eqquse":1,"matchtype":1,"teammatchstatus":0})";
constexpr const char* kChallengeFromB =
    R"({"system":28,"act":0,"name":"狐狸","challenge":"10009","eqquse":1,"matchtype":1,"teammatchstatus":0})";
constexpr const char* kContestBegins =
    R"({"system":28,"act":3,"matchtype":1,"eqquse":1,"challenge":"10001","name":"大灰狼","level":17,)"
    R"("winper":60,"headpic":"","qscount":5,"teammatchstatus":0})";

CCMenuItem* popupItem(CHD_DoublesLayer* hall, int index) {
    CCMenu* menu = hall->popupMenu();
    if (menu == nullptr || menu->getChildrenCount() <= static_cast<unsigned>(index)) return nullptr;
    return dynamic_cast<CCMenuItem*>(static_cast<CCObject*>(menu->getChildren()->objectAtIndex(index)));
}
// The popup's "sure" (index 1) or "cancel" (index 0), tapped where the player sees it.
void tapPopup(CHD_DoublesLayer* hall, int index) {
    CCMenuItem* item = popupItem(hall, index);
    ASSERT_NE(item, nullptr);
    tapNode(item);
}
std::string countdownShown(CHD_DoublesLayer* hall) {
    return hall->countdownText() ? hall->countdownText()->getString() : std::string();
}

// Answers set by the test: counts the real server never gives or reaches only after a day of
// contests (a hundred left, two, none), a refusal for money, a second searcher offered while the
// first offer is open, and a hall that never answers.
class HallDoublesTest : public HallTest {
protected:
    CHD_DoublesLayer* enterWith(int enableCount, int enterResponse = 1) {
        Answers answers;
        answers.enableCount = enableCount;
        answers.enterResponse = enterResponse;
        setAnswers(answers);
        feedSchedule(openDay());
        enter(23);
        return screen<CHD_DoublesLayer>();
    }
};

// The one-to-one hall against the real server, the remote player searching, challenging or
// being found.
class HallDoublesServerTest : public HallServerTest {
protected:
    CHD_DoublesLayer* enterHall() {
        enter(21); // the day's schedule, as the player comes in
        enter(23);
        return screen<CHD_DoublesLayer>();
    }
    // The remote player searches alone; after 8 s of the server's time it is offered to the
    // client idling in the hall.
    bool offeredBy(CHD_DoublesLayer* hall) { return offeredBy(hall, m_remote); }
    bool offeredBy(CHD_DoublesLayer* hall, RemotePlayer& searcher) {
        if (searcher.presence(1, 1)["response"].asInt() != 1) return false;
        if (searcher.pair(0, 1)["response"].asInt() != 1) return false;
        return ContestServer::until([&] {
            searcher.beat();
            return hall->pendingCountdown() >= 0;
        }, 15, 0.1f);
    }
    std::string offerText() const { return "HDDoublesThrowDownTheChallenge"; }
};

TEST_F(HallDoublesTest, EnteringAsksForTheCountsAndDrawsAtMostAHundredCarrots) {
    CHD_DoublesLayer* hall = enterWith(150);
    ASSERT_NE(hall, nullptr);
    EXPECT_FLOAT_EQ(NetManager::instance().heartbeatInterval(), 1.0f);
    const auto asked = sent(27, 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0]["matchtype"].asInt(), 1);
    EXPECT_EQ(hall->getChildByTag(CHD_DoublesLayer::kEnterCoverTag), nullptr) << "the enter answer lifts the cover";
    EXPECT_EQ(hall->remaining(), 100);
    const auto icons = childrenOf<CCSprite>(hall->iconLayer());
    ASSERT_EQ(icons.size(), 100u);
    // P = 5 - 3: the first two carrots are the paid ones.
    EXPECT_EQ(icons[0]->getTag(), 1);
    EXPECT_EQ(icons[1]->getTag(), 1);
    EXPECT_EQ(icons[2]->getTag(), 0);
    EXPECT_FLOAT_EQ(icons[0]->getPosition().x, 730);
    EXPECT_FLOAT_EQ(icons[3]->getPosition().x, 730 - 210);
    EXPECT_FLOAT_EQ(icons[3]->getPosition().y, 460);
}

TEST_F(HallDoublesTest, TheAskConfirmationFollowsTheFreeAndPaidCounts) {
    struct Case {
        int remaining;
        std::string message;
        bool asks;
    };
    const Case cases[] = {{3, text("HDDoublesLayerTrue"), true},
                          {2, fillText(text("HDDoublesLayerTrueJ"), {"5"}), true},
                          {0, text("HDDoublesLayerLack"), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("R = " + std::to_string(c.remaining));
        CHD_DoublesLayer* hall = enterWith(c.remaining);
        ASSERT_NE(hall, nullptr);
        const size_t askedBefore = sent(28, 0).size();
        tapWidget(hall->widget("challengebtn"));
        CMyMessageBox* box = boxSaying(c.message);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(boxes().size(), 1u);
        EXPECT_EQ(hasCancel(box), c.asks);
        pressSure(box);
        settle();
        EXPECT_EQ(sent(28, 0).size() - askedBefore, c.asks ? 1u : 0u);
        EXPECT_EQ(hall->getChildByTag(CHD_DoublesLayer::kSearchCoverTag) != nullptr, c.asks);
    }
    const Json::Value ask = sent(28, 0).back();
    EXPECT_EQ(ask["matchtype"].asInt(), 1);
    EXPECT_EQ(ask["eqquse"].asInt(), 1);
    EXPECT_EQ(ask["challenge"].asString(), "s-10002");
    EXPECT_EQ(ask["name"].asString(), "小白兔");
}

TEST_F(HallDoublesServerTest, ASearchGivesUpAfterFortySecondsAndLiftsItsCoverFiveLater) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    CHD_DoublesLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    tapWidget(hall->widget("challengebtn"));
    pressSure(boxSaying(text("HDDoublesLayerTrue")));
    settle();
    EXPECT_TRUE(answered(served(28, 0), 1));
    // Game time runs far ahead of the server's: its own end of the search (35 s) never comes first.
    wait(39.5f);
    EXPECT_TRUE(served(27, 3).empty());
    wait(1.0f);
    const auto gaveUp = served(27, 3);
    ASSERT_EQ(gaveUp.size(), 1u);
    EXPECT_NE(gaveUp[0].find("matchtype=1"), std::string::npos);
    EXPECT_TRUE(answered(gaveUp, 1)) << "the search the server still held";
    EXPECT_NE(hall->getChildByTag(CHD_DoublesLayer::kSearchCoverTag), nullptr);
    wait(5.5f);
    EXPECT_EQ(hall->getChildByTag(CHD_DoublesLayer::kSearchCoverTag), nullptr);
}

// Made-up answers: the server says "nobody" only after 35 s of its own real time, and refuses
// for money only a player with no free contest left and less than 5.
TEST_F(HallDoublesTest, NobodyToPairOrRefusedAskingEndsTheSearchWithoutAGiveUp) {
    CHD_DoublesLayer* hall = enterWith(3);
    tapWidget(hall->widget("challengebtn"));
    pressSure(boxSaying(text("HDDoublesLayerTrue")));
    settle();
    push(R"({"system":28,"act":6,"matchtype":1,"teammatchstatus":0})");
    EXPECT_EQ(hall->getChildByTag(CHD_DoublesLayer::kSearchCoverTag), nullptr);
    EXPECT_TRUE(logged("DoublesLayer pkSever mei ren !"));
    wait(41);
    EXPECT_TRUE(sent(27, 3).empty()) << "the give-up step went with the search";

    Answers answers;
    answers.enableCount = 3;
    answers.challenge["system"] = 28;
    answers.challenge["response"] = 0;
    answers.challenge["act"] = 5;
    answers.challenge["tip"] = "money";
    setAnswers(answers);
    tapWidget(hall->widget("challengebtn"));
    pressSure(boxSaying(text("HDDoublesLayerTrue")));
    settle();
    EXPECT_NE(boxSaying(text("HDMoneyNEnough")), nullptr);
    EXPECT_EQ(hall->getChildByTag(CHD_DoublesLayer::kSearchCoverTag), nullptr);
}

TEST_F(HallDoublesServerTest, AcceptingWithAFreeContestLeftSendsAtOnce) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    CHD_DoublesLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    EXPECT_EQ(hall->remaining(), 10);
    ASSERT_TRUE(offeredBy(hall));
    const std::string shown = hall->messageText()->getString();
    EXPECT_NE(shown.find(text(offerText().c_str())), std::string::npos) << shown;
    EXPECT_EQ(shown.find("13900000003"), std::string::npos) << "never the whole number of another player";
    wait(1.0f); // the popup slides in
    tapPopup(hall, 1);
    settle();
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(answered(served(28, 1), 1)) << "the server knew the challenger by the id it pushed";
    EXPECT_FALSE(m_remote.awaitPush(28, 3).isNull()) << "the contest began for the challenger too";
    wait(35);
    EXPECT_TRUE(served(28, 2).empty()) << "an answered challenge is not refused later";
}

TEST_F(HallDoublesServerTest, AcceptingAPaidContestAsksFirst) {
    // The day's three free contests played from another device of the same account, each won
    // when the opponent left: seven left, every one of them paid, and money to pay them.
    RemotePlayer sameAccount, challenger;
    ASSERT_TRUE(m_server.addRemote(sameAccount, "13900000002"));
    ASSERT_TRUE(m_server.addRemote(m_remote, "13900000003"));
    ASSERT_TRUE(m_server.addRemote(challenger, "13900000004"));
    for (int played = 0; played < 3; ++played) {
        ASSERT_EQ(sameAccount.presence(1, 1)["response"].asInt(), 1);
        ASSERT_EQ(m_remote.presence(1, 1)["response"].asInt(), 1);
        ASSERT_EQ(m_remote.pair(0, 1)["response"].asInt(), 1);
        ASSERT_EQ(sameAccount.pair(0, 1)["response"].asInt(), 1);
        ASSERT_EQ(m_remote.presence(4, 1)["response"].asInt(), 1);
        sameAccount.drain();
        m_remote.drain();
    }
    // Out of the hall, so the offer below can only reach the client.
    ASSERT_EQ(m_remote.presence(2, 1)["response"].asInt(), 1);
    ASSERT_EQ(sameAccount.presence(2, 1)["response"].asInt(), 1);
    ASSERT_TRUE(m_server.logInClient("13900000002"));
    const int money = ContestServer::clientMoneyAndScore().first;
    EXPECT_GE(money, 30) << "three contests won";
    CHD_DoublesLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    EXPECT_EQ(hall->remaining(), 7);
    ASSERT_TRUE(offeredBy(hall, challenger)) << "a new player, with free contests of its own";
    wait(1.0f);
    tapPopup(hall, 1);
    settle();
    EXPECT_TRUE(served(28, 1).empty());
    CMyMessageBox* box = boxSaying(fillText(text("HDDoublesLayerOkOK"), {"5"}));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getTag(), CHD_DoublesLayer::kPayBoxTag);
    pressSure(box);
    settle();
    EXPECT_TRUE(answered(served(28, 1), 1)) << "the server knew the challenger by the id it pushed";
    ASSERT_FALSE(challenger.awaitPush(28, 3).isNull());
    wait(35);
    EXPECT_TRUE(served(28, 2).empty());
    // The server took the fee once, when the contest began.
    EXPECT_EQ(ContestServer::clientMoneyAndScore().first, money - 5);
}

// Made-up pushes: the server pairs two searchers with each other at once, so it never offers a
// second one while the first offer is open.
TEST_F(HallDoublesTest, ASecondChallengeWhileThePopupIsOpenIsIgnored) {
    CHD_DoublesLayer* hall = enterWith(3);
    push(kChallengeFromA);
    wait(2);
    push(kChallengeFromB);
    EXPECT_EQ(hall->messageText()->getString(), "大灰狼" + text("HDDoublesThrowDownTheChallenge"));
    tapPopup(hall, 0);
    settle();
    const auto refused = sent(28, 2);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0]["challenge"].asString(), "10001");
    EXPECT_EQ(hall->pendingCountdown(), -1);
    // Once answered, the next challenge opens the popup again.
    push(kChallengeFromB);
    EXPECT_EQ(hall->messageText()->getString(), "狐狸" + text("HDDoublesThrowDownTheChallenge"));
}

TEST_F(HallDoublesServerTest, TheCountdownStartsAtThirtyNeverGoesBelowZeroAndRefusesOnce) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    CHD_DoublesLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    ASSERT_TRUE(offeredBy(hall));
    std::vector<std::string> shown;
    for (int i = 0; i < 80; ++i) {
        engine::testing::stepSeconds(0.5f);
        settle();
        const std::string now = countdownShown(hall);
        if (shown.empty() || shown.back() != now) shown.push_back(now);
    }
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), fillText(text("HDDoublesTimeSurplus"), {"30"}));
    for (const std::string& s : shown) EXPECT_EQ(s.find('-'), std::string::npos) << s;
    EXPECT_EQ(shown.back(), fillText(text("HDDoublesTimeSurplus"), {"1"}));
    // Accepted by the server: the refusal named the challenger by the id it pushed.
    EXPECT_TRUE(answered(served(28, 2), 1));
    EXPECT_EQ(hall->pendingCountdown(), -1);
}

TEST_F(HallDoublesServerTest, AContestBeginningKeepsTheOpponentAndFacesOffIntoPlay) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    ASSERT_EQ(m_remote.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(m_remote.pair(0, 1)["response"].asInt(), 1);
    CHD_DoublesLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    tapWidget(hall->widget("challengebtn"));
    pressSure(boxSaying(text("HDDoublesLayerTrue")));
    settle();
    // Paired at once with the one who searched first; the start comes with a heartbeat.
    ASSERT_TRUE(ContestServer::until([&] { return !childrenOf<CHD_LoadingLayer>(hall).empty(); }, 10, 0.1f));
    const Json::Value theirs = m_remote.awaitPush(28, 3);
    ASSERT_FALSE(theirs.isNull());
    EXPECT_EQ(theirs["challenge"].asString(), std::to_string(clientId()));
    const ContestOpponent& opponent = GameData::instance().opponent;
    EXPECT_FALSE(opponent.name.empty());
    EXPECT_EQ(opponent.name.find("13900000003"), std::string::npos);
    EXPECT_EQ(opponent.level, m_remote.record()["level"].asInt());
    EXPECT_EQ(opponent.qscount, 5);
    const auto faceOffs = childrenOf<CHD_LoadingLayer>(hall);
    ASSERT_EQ(faceOffs.size(), 1u);
    EXPECT_EQ(faceOffs[0]->kind(), CHD_LoadingLayer::kDoubles);
    EXPECT_EQ(faceOffs[0]->getZOrder(), 200000);
    EXPECT_EQ(hall->getChildByTag(CHD_DoublesLayer::kSearchCoverTag), nullptr);
    push(kContestBegins); // the same start again, as a late duplicate would come
    EXPECT_EQ(childrenOf<CHD_LoadingLayer>(hall).size(), 1u) << "one face-off per contest";
    wait(2.5f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);
    wait(1.5f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 22);
    EXPECT_TRUE(served(27, 3).empty());
}

TEST_F(HallDoublesTest, WithoutAnEnterAnswerTheCoverSwallowsTouchesAndGivesUpAfterThirtySeconds) {
    CHD_DoublesLayer* hall = enterWith(3, 0);
    ASSERT_NE(hall->getChildByTag(CHD_DoublesLayer::kEnterCoverTag), nullptr);
    tapWidget(hall->widget("challengebtn"));
    EXPECT_TRUE(boxes().empty()) << "nothing under the cover answers";
    wait(29.5f);
    EXPECT_EQ(boxSaying(text("theNetIsDie")), nullptr);
    wait(1.0f);
    CMyMessageBox* box = boxSaying(text("theNetIsDie"));
    ASSERT_NE(box, nullptr);
    pressSure(box);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
}

TEST_F(HallDoublesServerTest, TheBackButtonLeavesOnceTheServerLetsGo) {
    ASSERT_NO_FATAL_FAILURE(signUp(false));
    CHD_DoublesLayer* hall = enterHall();
    ASSERT_NE(hall, nullptr);
    tapWidget(hall->widget("backbtn"));
    settle();
    engine::testing::stepSeconds(0.3f);
    EXPECT_TRUE(answered(served(27, 2), 1));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
}

} // namespace
