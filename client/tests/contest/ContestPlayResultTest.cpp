// The end of a contest and the ways out of it, mostly in real contests against the real server:
// whose side of the result is the player's and what was paid, the counting reward, the opponent
// who fled, the still-answering banner, leaving a running contest, a contest begun in the real
// one-to-one hall; a team match's result and a tie with made-up pushes.
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/CHD_RankOfHDLayer.h"
#include "contest/CHD_ResultLayer.h"
#include "contest/HallRules.h"
#include "contest/ContestPlaySupport.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

std::string text(const char* key) { return LocalText::instance().text(key); }

// Both fixtures read the result dialog and press message boxes the same way.
void press(CMyMessageBox* box, int button) { box->handleRelease(box->button(button)->getPosition()); }

bool badgeShown(CHD_ResultLayer* dialog, const char* name) {
    UIWidget* badge = dialog->layout()->getWidgetByName(name);
    return badge && badge->isVisible();
}

std::string countText(CHD_ResultLayer* dialog, int tag) {
    auto* label = dynamic_cast<CCLabelTTF*>(dialog->getChildByTag(tag));
    return label ? label->getString() : "";
}

// The badge of the outcome is up and neither of the other two.
void expectOnlyBadge(CHD_ResultLayer* dialog, const char* shown) {
    EXPECT_TRUE(badgeShown(dialog, shown));
    for (const char* other : {"win", "lose", "tied"}) {
        if (std::string(other) != shown) {
            EXPECT_FALSE(badgeShown(dialog, other)) << other;
        }
    }
}

// The player's reward counts up from 0 to what he won within half a second.
// fromZero: the dialog is checked the moment it appeared. A test that waited for it while the
// engine ran may already see a step or two of the count.
void expectOwnRewardCountsUp(CHD_ResultLayer* dialog, bool fromZero = true) {
    if (fromZero) {
        EXPECT_EQ(countText(dialog, CHD_ResultLayer::kOwnCountTag), fillText(text("getAward"), {"0"}));
    }
    engine::testing::stepSeconds(0.5f);
    EXPECT_EQ(countText(dialog, CHD_ResultLayer::kOwnCountTag),
              fillText(text("getAward"), {std::to_string(dialog->own().rewardAmount)}));
}

class ContestPlayResultTest : public ContestPlayTest {
protected:
    CMyMessageBox* box(int tag) const { return dynamic_cast<CMyMessageBox*>(contestLayer()->getChildByTag(tag)); }
    // The "act" 4 requests sent since the last call (the halls send their own "act" 1 and 2).
    std::vector<Json::Value> leaveRequests() {
        std::vector<Json::Value> found;
        const auto all = requests(27);
        for (std::size_t i = m_leavesSeen; i < all.size(); ++i) {
            if (all[i]["act"].asInt() == 4) found.push_back(all[i]);
        }
        m_leavesSeen = all.size();
        return found;
    }
    std::size_t m_leavesSeen = 0;
    std::string lastMusic() {
        const auto calls = audio().callsNamed("playMusic");
        return calls.empty() ? "" : calls.back().file;
    }
};

// Whole contests against the real server, the remote player on the other side.
class ContestPlayResultServerTest : public ContestPlayServerTest {
protected:
    CMyMessageBox* box(int tag) const { return dynamic_cast<CMyMessageBox*>(contestLayer()->getChildByTag(tag)); }
    // Plays the five questions, each side right as asked, the client first; the result dialog.
    CHD_ResultLayer* playOut(CHD_PlayLayer* play, bool clientRight, bool remoteRight) {
        for (int question = 0; question < 5; ++question) {
            const int qsid = QuizData::instance().currentQsid;
            clientAnswers(clientRight);
            remoteAnswers(remoteRight);
            const bool next = until([&] {
                return play->resultDialog() != nullptr ||
                       (QuizData::instance().currentQsid != qsid && QuestionStage::instance().current() != nullptr);
            });
            if (!next) ADD_FAILURE() << "nothing after question " << question + 1;
            if (!next || play->resultDialog() != nullptr) break;
        }
        return play->resultDialog();
    }
    std::string idText() const { return std::to_string(clientId()); }
    std::string lastMusic() {
        const auto calls = audio().callsNamed("playMusic");
        return calls.empty() ? "" : calls.back().file;
    }
};

TEST_F(ContestPlayResultServerTest, TheSideThatNamesThePlayersIdIsTheOwnColumn) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    struct Case {
        bool clientRight;
        const char* badge;
    };
    for (const Case& c : {Case{true, "win"}, Case{false, "lose"}}) {
        SCOPED_TRACE(c.badge);
        const auto [money, score] = storedMoneyAndScore();
        const Json::Value remoteBefore = m_remote.record();
        CHD_PlayLayer* play = beginOneToOne();
        ASSERT_NE(play, nullptr);
        CHD_ResultLayer* dialog = playOut(play, c.clientRight, !c.clientRight);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->getParent(), play);
        EXPECT_EQ(dialog->getZOrder(), CHD_PlayLayer::kResultZ);
        EXPECT_EQ(dialog->mode(), 1);
        EXPECT_EQ(dialog->own().player, idText());
        EXPECT_EQ(dialog->opponent().player, m_remote.idText());
        EXPECT_EQ(dialog->own().right, c.clientRight ? 5 : 0);
        EXPECT_EQ(dialog->opponent().right, c.clientRight ? 0 : 5);
        expectOnlyBadge(dialog, c.badge);
        expectOwnRewardCountsUp(dialog, false);
        EXPECT_FALSE(play->isRunning());
        EXPECT_EQ(play->getChildByTag(CHD_CQuestionMission::kWaitingCoverTag), nullptr);
        EXPECT_EQ(GameData::instance().user.money, money) << "a contest's money is the server's to add";
        // What the dialog counts is what the server stored, for both sides.
        const auto [moneyAfter, scoreAfter] = storedMoneyAndScore();
        EXPECT_EQ(moneyAfter - money, dialog->own().rewardAmount);
        EXPECT_EQ(scoreAfter - score, dialog->own().score);
        EXPECT_EQ(dialog->own().rewardAmount, c.clientRight ? 10 : 0);
        const Json::Value remoteAfter = m_remote.record();
        EXPECT_EQ(remoteAfter["money"].asInt() - remoteBefore["money"].asInt(), dialog->opponent().rewardAmount);
        EXPECT_EQ(remoteAfter["score"].asInt() - remoteBefore["score"].asInt(), dialog->opponent().score);
        dialog->pressSure();
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);
        m_remote.drain();
        m_remote.inbox.clear();
    }
}

TEST_F(ContestPlayResultTest, AResultOfSomebodyElsesContestIsIgnored) {
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    showQuestion(901);
    engine::testing::stepSeconds(2.5f);
    Json::Value stray = result("", "", 1);
    stray["challenge"] = "777";
    stray["challenge2"] = "888";
    push(stray);
    EXPECT_EQ(play->resultDialog(), nullptr) << "neither side is this player";
    Json::Value ours = result("", "", 1);
    ours["challenge"] = "777";
    ours["challenge2"] = 10001;
    push(ours);
    ASSERT_NE(play->resultDialog(), nullptr) << "the contest still ends with its own result";
    EXPECT_EQ(play->resultDialog()->own().player, "10001");
}

TEST_F(ContestPlayResultTest, NumericIdsAndATieAreReadTheSame) {
    struct Case {
        Json::Value challenge, challenge2;
        int iswin;
        const char* ownName;
        const char* badge;
    };
    // The server sends ids as decimal strings and a tie needs the same time to the tenth: a
    // made-up result stands in for both.
    const Case cases[] = {{20002, 10001, 2, "二号", "tied"}, {10001, 20002, 0, "一号", "lose"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ownName + std::string(" ") + c.badge);
        CHD_PlayLayer* play = enterContest(23);
        ASSERT_NE(play, nullptr);
        showQuestion(901);
        engine::testing::stepSeconds(2.5f);
        Json::Value v = result("", "", c.iswin);
        v["challenge"] = c.challenge;
        v["challenge2"] = c.challenge2;
        const int money = GameData::instance().user.money;
        const int score = GameData::instance().user.score;
        push(v);
        CHD_ResultLayer* dialog = play->resultDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->getParent(), play);
        EXPECT_EQ(dialog->getZOrder(), CHD_PlayLayer::kResultZ);
        EXPECT_EQ(dialog->mode(), 1);
        // The own column carries the player's own name, whatever the server called that side.
        EXPECT_EQ(dialog->own().name, hall_rules::ownShownName());
        EXPECT_NE(dialog->opponent().name, c.ownName);
        expectOnlyBadge(dialog, c.badge);
        // The rewards count up from 0 to what each side won.
        expectOwnRewardCountsUp(dialog);
        EXPECT_EQ(countText(dialog, CHD_ResultLayer::kOpponentCountTag),
                  fillText(text("getAward"), {std::to_string(dialog->opponent().rewardAmount)}));
        // The contest is over: no clock, no cover between the player and "sure".
        EXPECT_FALSE(play->isRunning());
        EXPECT_EQ(play->getChildByTag(CHD_CQuestionMission::kWaitingCoverTag), nullptr);
        EXPECT_EQ(GameData::instance().user.money, money) << "a contest's money is the server's to add";
        EXPECT_EQ(GameData::instance().user.score, score);
        dialog->pressSure();
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 23);
    }
}

TEST_F(ContestPlayResultServerTest, SureLeadsToTheHallOfTheContestAndTheMenuMusicComesBack) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    CHD_PlayLayer* play = beginChallenge();
    ASSERT_NE(play, nullptr);
    EXPECT_NE(lastMusic().find("bgMusic_game.mp3"), std::string::npos);
    CHD_ResultLayer* dialog = playOut(play, true, false);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->mode(), 3);
    // A question that comes late must not outlive the contest.
    pushQuestion(912);
    engine::testing::stepSeconds(0.25f);
    EXPECT_NE(QuizData::instance().currentQsid, 912);
    EXPECT_EQ(play->resultDialog(), dialog);
    dialog->pressSure();
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 28);
    EXPECT_NE(lastMusic().find("bgMusic_main.mp3"), std::string::npos);
    EXPECT_TRUE(QuizData::instance().questionQueue.empty());
    EXPECT_EQ(QuestionStage::instance().host(), nullptr);
    // The challenger who won is the king now.
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(m_remote.presence(1, 3)["isking"].asInt(), 0);
}

TEST_F(ContestPlayResultServerTest, AnOpponentWhoFledIsToldBeforeTheResult) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    CHD_PlayLayer* play = beginOneToOne();
    ASSERT_NE(play, nullptr);
    ASSERT_EQ(m_remote.presence(4, 1)["response"].asInt(), 1);
    ASSERT_TRUE(until([&] { return box(CHD_PlayLayer::kFleeBoxTag) != nullptr; }));
    CMyMessageBox* fled = box(CHD_PlayLayer::kFleeBoxTag);
    EXPECT_EQ(fled->messageText(), text("DuiShouTaoPao"));
    ASSERT_NE(play->resultDialog(), nullptr);
    EXPECT_EQ(play->resultDialog()->getParent(), nullptr) << "not before the box is closed";
    // The server sends the result once; a copy must not bring a second box.
    push(result(idText(), m_remote.idText(), 1, 1));
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kFleeBoxTag), 1) << "one result per contest";
    press(fled, 1);
    ASSERT_NE(play->resultDialog()->getParent(), nullptr);
    EXPECT_EQ(play->resultDialog()->getZOrder(), CHD_PlayLayer::kResultZ);
    EXPECT_EQ(play->resultDialog()->own().player, idText());
    EXPECT_EQ(play->resultDialog()->own().outcome, 1) << "the one who stayed wins";
    EXPECT_EQ(play->resultDialog()->own().rewardAmount, 10);
}

TEST_F(ContestPlayResultServerTest, TheStillAnsweringBannerShowsOncePerQuestion) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    CHD_PlayLayer* play = beginChallenge();
    ASSERT_NE(play, nullptr);
    const int first = QuizData::instance().currentQsid;
    ASSERT_NO_FATAL_FAILURE(clientAnswers(false));
    ASSERT_TRUE(until([&] { return childrenTagged(play, CHD_PlayLayer::kBannerTag) > 0; }));
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 1);
    EXPECT_TRUE(logged("enemy is answering"));
    // Copies of the notice (the server sends one a question) change nothing.
    for (int i = 0; i < 3; ++i) pushText(R"({"system":32,"act":2,"teammatchstatus":0})");
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 1);
    engine::testing::stepSeconds(3.0f);
    pushText(R"({"system":32,"act":2,"teammatchstatus":0})");
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 1);
    remoteAnswers(true);
    ASSERT_TRUE(until([&] { return QuizData::instance().currentQsid != first; }));
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 0) << "the next question clears it";
    ASSERT_NO_FATAL_FAILURE(clientAnswers(true));
    ASSERT_TRUE(until([&] { return childrenTagged(play, CHD_PlayLayer::kBannerTag) > 0; }));
    EXPECT_EQ(childrenTagged(play, CHD_PlayLayer::kBannerTag), 1);
}

TEST_F(ContestPlayResultServerTest, LeavingAsksFirstAndTellsTheServer) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    struct Case {
        int hall, matchType;
    };
    for (const Case& c : {Case{23, 1}, Case{28, 3}}) {
        SCOPED_TRACE(c.hall);
        const std::size_t leftBefore = served(27, 4).size();
        CHD_PlayLayer* play = c.hall == 23 ? beginOneToOne() : beginChallenge();
        ASSERT_NE(play, nullptr);
        ASSERT_NE(play->backButton(), nullptr);
        tapNode(play->backButton());
        CMyMessageBox* ask = box(CHD_PlayLayer::kLeaveBoxTag);
        ASSERT_NE(ask, nullptr);
        EXPECT_EQ(ask->messageText(), text("HDPlayLayerBackToMain"));
        EXPECT_EQ(ask->getZOrder(), CHD_PlayLayer::kBoxZ);
        EXPECT_TRUE(QuestionStage::instance().current()->isAnswered()) << "no answer behind the box";
        const int before = std::stoi(play->clockLabel()->getString());
        engine::testing::stepFrames(2, 1.0f);
        EXPECT_NEAR(std::stoi(play->clockLabel()->getString()), before - 2, 1) << "the clock keeps running";
        // Staying gives the question back.
        press(ask, 2);
        EXPECT_FALSE(QuestionStage::instance().current()->isAnswered());
        ASSERT_TRUE(pumpUntilIdle());
        EXPECT_EQ(served(27, 4).size(), leftBefore);

        engine::testing::pressBack();
        ask = box(CHD_PlayLayer::kLeaveBoxTag);
        ASSERT_NE(ask, nullptr) << "the back key asks too";
        press(ask, 1);
        ASSERT_TRUE(pumpUntilIdle());
        const auto leaves = served(27, 4);
        ASSERT_EQ(leaves.size(), leftBefore + 1);
        EXPECT_NE(leaves.back().find("matchtype=" + std::to_string(c.matchType)), std::string::npos);
        EXPECT_NE(leaves.back().find("-> response 1"), std::string::npos) << leaves.back();
        // The one who stayed is told the contest ended with a flight.
        const Json::Value theirs = m_remote.awaitPush(32, 1);
        ASSERT_FALSE(theirs.isNull());
        EXPECT_EQ(theirs["flee"].asInt(), 1);
        EXPECT_EQ(theirs["matchtype"].asInt(), c.matchType);
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.hall);
        m_remote.drain();
        m_remote.inbox.clear();
    }
}

TEST_F(ContestPlayResultServerTest, AnAnsweredQuestionStaysLockedAfterStaying) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    CHD_PlayLayer* play = beginOneToOne();
    ASSERT_NE(play, nullptr);
    ASSERT_NO_FATAL_FAILURE(clientAnswers(true));
    play->openPauseMenu();
    press(box(CHD_PlayLayer::kLeaveBoxTag), 2);
    EXPECT_TRUE(QuestionStage::instance().current()->isAnswered());
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_TRUE(served(27, 4).empty());
    EXPECT_EQ(served(30).size(), 1u);
}

// Made-up answers: the server lists team matches but does not play them yet.
TEST_F(ContestPlayResultTest, ATeamMatchResultAddsItsPrizeToThePlayersRecord) {
    struct Case {
        int prizeType, prizeNum, money, score;
    };
    for (const Case& c : {Case{1, 30, 66, 1280}, Case{0, 25, 36, 1305}}) {
        SCOPED_TRACE(c.prizeType);
        UserInfo& user = GameData::instance().user;
        user.money = 36;
        user.score = 1280;
        GameData::instance().teamMatchStatus = 3;
        GameData::instance().myTeam.myTeamName = "兔子队";
        m_teamPrize = Json::Value(Json::objectValue);
        m_teamPrize["type"] = 2;
        m_teamPrize["prizetype"] = c.prizeType;
        m_teamPrize["prizenum"] = c.prizeNum;
        m_teamPrize["rightcount"] = 8;
        m_teamPrize["wrongcount"] = 2;
        m_teamPrize["score"] = 80;
        m_teamPrize["teamscore"] = 420;
        m_teamPrize["times"] = 96;
        SceneDirector::instance().registerTeamInfo([](const TeamInfo&, int) { return CCScene::create(); });
        SceneDirector::instance().showTeamInfo(TeamInfo{}, 0);
        engine::testing::stepSeconds(0.3f);
        SceneDirector::instance().switchTo(22);
        engine::testing::stepSeconds(0.3f);
        CHD_PlayLayer* play = contestLayer();
        ASSERT_NE(play, nullptr);
        ASSERT_TRUE(pumpUntilIdle());
        pushText(R"({"system":10,"teammatchstatus":4})");
        pushText(R"({"system":10,"teammatchstatus":4})");
        EXPECT_EQ(requests(49).size(), static_cast<std::size_t>(c.prizeType == 1 ? 1 : 2)) << "once per match";
        CHD_ResultLayer* dialog = play->resultDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->mode(), 2);
        EXPECT_EQ(dialog->own().name, "兔子队");
        EXPECT_EQ(dialog->own().outcome, 420);
        EXPECT_FLOAT_EQ(dialog->own().timeUsed, 96) << "whole seconds when no tenths come";
        auto* title = dynamic_cast<CCLabelTTF*>(dialog->getChildByTag(CHD_ResultLayer::kTitleTag));
        ASSERT_NE(title, nullptr) << "a team round has no win or loss badge: the ribbon says what it is";
        EXPECT_EQ(std::string(title->getString()), LocalText::instance().text("teamResultTitle"));
        EXPECT_EQ(user.money, c.money);
        EXPECT_EQ(user.score, c.score);
        dialog->pressSure();
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 25);
    }
}

TEST_F(ContestPlayResultServerTest, AContestBegunInTheOneToOneHallIsPlayedHere) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    // The first question comes while the face-off is still up; the play scene shows it.
    CHD_PlayLayer* play = beginOneToOne();
    ASSERT_NE(play, nullptr);
    const int qsid = QuizData::instance().currentQsid;
    EXPECT_EQ(qsid, m_question["qsid"].asInt());
    EXPECT_FALSE(GameData::instance().opponent.name.empty());
    EXPECT_EQ(std::string(play->nameLabel(1)->getString()), GameData::instance().opponent.name);
    EXPECT_EQ(std::string(play->counterLabel()->getString()), "1/5");
    EXPECT_EQ(NetManager::instance().heartbeatInterval(), 1.0f);
    ASSERT_NO_FATAL_FAILURE(clientAnswers(true));
    const auto sent = served(30);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0].find("qsid=" + std::to_string(qsid) + " "), std::string::npos);
    EXPECT_NE(sent[0].find("-> response \"success\""), std::string::npos) << sent[0];
}

// The one-to-one ranking after a real contest: both players, the winner first, counted by wins.
TEST_F(ContestPlayResultServerTest, AFinishedOneToOneRanksBothPlayersTheWinnerFirst) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    CHD_PlayLayer* play = beginOneToOne();
    ASSERT_NE(play, nullptr);
    CHD_ResultLayer* dialog = playOut(play, false, true);
    ASSERT_NE(dialog, nullptr);
    dialog->pressSure();
    engine::testing::stepSeconds(0.3f);
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 23);
    SceneDirector::instance().switchTo(24);
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    ASSERT_NE(scene, nullptr);
    auto* rank = dynamic_cast<CHD_RankOfHDLayer*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
    ASSERT_NE(rank, nullptr);
    ASSERT_EQ(rank->rows().size(), 2u);
    EXPECT_EQ(rank->rows()[0][0], "1");
    EXPECT_EQ(rank->rows()[0][2], "1/1") << "the remote player won his one contest";
    EXPECT_EQ(rank->rows()[1][2], "0/1");
    const std::string own = rank->ownLine()->getString();
    EXPECT_EQ(own.rfind("我的名次：第2名", 0), 0u) << own;
    EXPECT_EQ(served(33).size(), 1u);
}

} // namespace
