// The challenge hall: the king may not challenge, a challenge waits 30 s for the king, and the
// king's popup answers a challenger within 30 s.
#include "contest/CHD_ChallengeLayer.h"
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
    R"({"system":28,"act":0,"name":"大灰狼","challenge":"10001","eqquse":1,"matchtype":3,"teammatchstatus":0})";
constexpr const char* kChallengeFromB =
    R"({"system":28,"act":0,"name":"狐狸","challenge":"10009","eqquse":1,"matchtype":3,"teammatchstatus":0})";

class HallChallengeTest : public HallTest {
protected:
    CHD_ChallengeLayer* enterWith(int isKing, int enableCount = 3) {
        Answers answers;
        answers.isKing = isKing;
        answers.enableCount = enableCount;
        setAnswers(answers);
        feedSchedule(openDay());
        enter(28);
        return screen<CHD_ChallengeLayer>();
    }
    static CCMenuItem* popupItem(CHD_ChallengeLayer* hall, int index) {
        CCMenu* menu = nullptr;
        for (CCMenu* found : childrenOf<CCMenu>(hall->popup())) menu = found;
        if (menu == nullptr || menu->getChildrenCount() <= static_cast<unsigned>(index)) return nullptr;
        return dynamic_cast<CCMenuItem*>(static_cast<CCObject*>(menu->getChildren()->objectAtIndex(index)));
    }
};

TEST_F(HallChallengeTest, TheKingIsToldHeCannotChallenge) {
    CHD_ChallengeLayer* hall = enterWith(1);
    ASSERT_NE(hall, nullptr);
    EXPECT_FLOAT_EQ(NetManager::instance().heartbeatInterval(), 1.0f);
    ASSERT_EQ(sent(27, 1).size(), 1u);
    EXPECT_EQ(sent(27, 1)[0]["matchtype"].asInt(), 3);
    EXPECT_NE(hall->isKing(), 0);
    tapWidget(hall->widget("challengebtn"));
    ASSERT_NE(boxSaying(text("HDKingCanNotChallenge")), nullptr);
    pressSure(boxSaying(text("HDKingCanNotChallenge")));
    settle();
    EXPECT_TRUE(sent(28).empty());
}

TEST_F(HallChallengeTest, AChallengeWithoutAnswerEndsAfterThirtySecondsWithNoKing) {
    CHD_ChallengeLayer* hall = enterWith(0);
    tapWidget(hall->widget("challengebtn"));
    // Type 3: five a day, one free, so with three left each one costs 10.
    CMyMessageBox* box = boxSaying(fillText(text("HDDoublesLayerTrueJ"), {"10"}));
    ASSERT_NE(box, nullptr);
    pressSure(box);
    settle();
    ASSERT_EQ(sent(28, 0).size(), 1u);
    EXPECT_EQ(sent(28, 0)[0]["matchtype"].asInt(), 3);
    EXPECT_NE(hall->getChildByTag(CHD_ChallengeLayer::kSearchCoverTag), nullptr);
    wait(29.5f);
    EXPECT_EQ(boxSaying(text("HDNoWisdomKing")), nullptr);
    wait(1.0f);
    EXPECT_NE(boxSaying(text("HDNoWisdomKing")), nullptr);
    EXPECT_EQ(hall->getChildByTag(CHD_ChallengeLayer::kSearchCoverTag), nullptr);
}

TEST_F(HallChallengeTest, NoKingInTheAnswerEndsTheWaitAtOnce) {
    CHD_ChallengeLayer* hall = enterWith(0);
    Answers answers;
    answers.challenge["system"] = 28;
    answers.challenge["response"] = 0;
    answers.challenge["act"] = 4;
    answers.challenge["tip"] = "no king";
    setAnswers(answers);
    tapWidget(hall->widget("challengebtn"));
    pressSure(boxes().front());
    settle();
    EXPECT_EQ(hall->getChildByTag(CHD_ChallengeLayer::kSearchCoverTag), nullptr);
    ASSERT_NE(boxSaying(text("HDNoWisdomKing")), nullptr);
    pressSure(boxSaying(text("HDNoWisdomKing")));
    wait(31);
    EXPECT_TRUE(boxes().empty()) << "the 30-second step went with the wait";
}

TEST_F(HallChallengeTest, TheKingsPopupIgnoresASecondChallengerAndRefusesOnceWhenTimeRunsOut) {
    CHD_ChallengeLayer* hall = enterWith(1);
    const float restY = hall->popup()->getPositionY();
    push(kChallengeFromA);
    wait(1.5f);
    EXPECT_FLOAT_EQ(hall->popup()->getPositionY(), restY + 180);
    push(kChallengeFromB);
    EXPECT_EQ(hall->messageText()->getString(), "大灰狼" + text("HDDoublesThrowDownTheChallenge"));
    std::vector<std::string> shown{hall->countdownText()->getString()};
    for (int i = 0; i < 67; ++i) {
        wait(0.5f);
        if (shown.back() != hall->countdownText()->getString()) shown.push_back(hall->countdownText()->getString());
    }
    EXPECT_EQ(shown.front(), fillText(text("HDDoublesTimeSurplus"), {"30"}));
    for (const std::string& s : shown) EXPECT_EQ(s.find('-'), std::string::npos) << s;
    const auto refused = sent(28, 2);
    ASSERT_EQ(refused.size(), 1u);
    // The server knows the challenge by the challenger's id.
    EXPECT_EQ(refused[0]["challenge"].asString(), "10001");
    EXPECT_EQ(refused[0]["matchtype"].asInt(), 3);
    EXPECT_FLOAT_EQ(hall->popup()->getPositionY(), restY);
}

TEST_F(HallChallengeTest, TheKingAcceptsAndTheContestFacesOffIntoPlay) {
    CHD_ChallengeLayer* hall = enterWith(1);
    push(kChallengeFromA);
    wait(1.0f);
    CCMenuItem* sure = popupItem(hall, 1);
    ASSERT_NE(sure, nullptr);
    tapNode(sure);
    settle();
    ASSERT_EQ(sent(28, 1).size(), 1u);
    EXPECT_EQ(sent(28, 1)[0]["challenge"].asString(), "10001");
    EXPECT_EQ(sent(28, 1)[0]["name"].asString(), "大灰狼");
    push(R"({"system":28,"act":3,"matchtype":3,"eqquse":1,"challenge":"10001","name":"大灰狼","level":30,)"
         R"("winper":50,"headpic":"","qscount":5,"teammatchstatus":0})");
    EXPECT_EQ(GameData::instance().opponent.name, "大灰狼");
    EXPECT_EQ(GameData::instance().opponent.level, 30);
    const auto faceOffs = childrenOf<CHD_LoadingLayer>(hall);
    ASSERT_EQ(faceOffs.size(), 1u);
    EXPECT_EQ(faceOffs[0]->kind(), CHD_LoadingLayer::kChallenge);
    wait(4.0f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 22);
    EXPECT_TRUE(sent(28, 2).empty());
}

TEST_F(HallChallengeTest, BackLeavesAtOnce) {
    CHD_ChallengeLayer* hall = enterWith(0);
    tapWidget(hall->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
    settle();
    ASSERT_EQ(sent(27, 2).size(), 1u);
    EXPECT_EQ(sent(27, 2)[0]["matchtype"].asInt(), 3);
}

} // namespace
