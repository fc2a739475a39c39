// The reward screens against the real brindle-server, driven by the player's own touches: the
// day's sign-in and draw, the week's ranking, the day's treasure dug up on the treasure screen
// earning the achievement that the task screen then claims, and a full set of zodiac cards
// exchanged on the collection screen. What the screens show is checked against what the server
// stored.
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "app/TextFormat.h"
#include "menu/CCalendar.h"
#include "menu/CRankLayer.h"
#include "menu/CSignLayer.h"
#include "contest/HallTestSupport.h"
#include "menu/CDoneAchieveCell.h"
#include "menu/CMyCollectionScene.h"
#include "menu/CTaskLayer.h"
#include "menu/CTreasureLayer.h"
#include "menu/MenuScenes.h"
#include "net/GameData.h"
#include "widgets/CMyMessageBox.h"

#include "cocos-ext.h"

#include "testing/EngineTesting.h"


USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class RewardsServerTest : public HallServerTest {
protected:
    void SetUp() override {
        HallServerTest::SetUp();
        if (IsSkipped()) return;
        registerMenuScenes();
        StoredSettings::writeBool("sign_hadGuide", true);
        signUp(false);
    }
    // The server's log lines of the client's requests of this "system" whose "act" reads `act`
    // (text values stand in quotes there, and what the line says after "act" may follow).
    std::vector<std::string> servedAct(int system, const std::string& act) {
        std::vector<std::string> found;
        for (const std::string& line : served(system)) {
            if (line.find("act=" + act + " ") != std::string::npos) {
                found.push_back(line);
            }
        }
        return found;
    }
    CDoneAchieveCell* rowOf(CTaskLayer* task, int achievementId) {
        for (unsigned i = 0; i < task->numberOfCellsInTableView(task->table()); ++i) {
            auto* cell = dynamic_cast<CDoneAchieveCell*>(task->table()->cellAtIndex(i));
            if (cell != nullptr && cell->achievementId() == achievementId) return cell;
        }
        return nullptr;
    }
};

TEST_F(RewardsServerTest, TheTreasureDugOnScreenEarnsTheAchievementTheTaskScreenClaims) {
    enter(7);
    auto* treasure = screen<CTreasureLayer>();
    ASSERT_NE(treasure, nullptr);
    ASSERT_EQ(treasure->figures().size(), 1u) << "the server's treasure of the day";
    const int kind = treasure->currentKind();
    EXPECT_GE(kind, 1);
    EXPECT_LE(kind, 14);

    tapNode(treasure->figures()[0]);
    settle();
    ASSERT_TRUE(answered(servedAct(17, "2"), 1)) << m_server.process().output();
    EXPECT_TRUE(treasure->figures().empty());
    const int shownScore = GameData::instance().user.score;
    const int shownMoney = GameData::instance().user.money;
    const auto [money, score] = ContestServer::clientMoneyAndScore();
    EXPECT_EQ(shownScore, score) << "the header shows what the server booked";
    EXPECT_EQ(shownMoney, money);

    // The same day offers nothing more.
    enter(7);
    EXPECT_TRUE(screen<CTreasureLayer>()->figures().empty());

    enter(CTaskLayer::kScene);
    auto* task = screen<CTaskLayer>();
    ASSERT_NE(task, nullptr);
    tapNode(task->widget("taskLeftBtn"));
    ASSERT_EQ(task->tab(), CTaskLayer::kFinished);
    CDoneAchieveCell* first = rowOf(task, 14);
    ASSERT_NE(first, nullptr) << "the first treasure's achievement is finished";
    ASSERT_TRUE(first->claimItem()->isEnabled());
    tapNode(first->claimItem());
    settle();
    ASSERT_TRUE(answered(servedAct(14, "\"askprize\""), 1)) << m_server.process().output();
    EXPECT_EQ(GameData::instance().user.score, score + 10);
    EXPECT_EQ(ContestServer::clientMoneyAndScore().second, score + 10);

    // Back on the screen another day of the week: the server says it was taken.
    enter(2);
    enter(CTaskLayer::kScene);
    task = screen<CTaskLayer>();
    tapNode(task->widget("taskLeftBtn"));
    CDoneAchieveCell* taken = rowOf(task, 14);
    ASSERT_NE(taken, nullptr);
    EXPECT_FALSE(taken->claimItem()->isEnabled());
    EXPECT_EQ(taken->claimCaption()->getString(), text("AchieveGot"));
    EXPECT_EQ(rowOf(task, 1), nullptr) << "ten answers are still to come";
}

TEST_F(RewardsServerTest, AFullSetIsExchangedOnTheCollectionScreen) {
    for (int kind = 1; kind <= 12; ++kind) {
        ASSERT_TRUE(sql("INSERT INTO zodiac_cards (player, kind, count) VALUES (" + std::to_string(clientId()) + ", " +
                        std::to_string(kind) + ", " + std::to_string(kind == 5 ? 3 : 1) + ")"));
    }
    const int moneyBefore = ContestServer::clientMoneyAndScore().first;
    enter(8);
    auto* cards = screen<CMyCollectionScene>();
    ASSERT_NE(cards, nullptr);
    EXPECT_EQ(cards->counts()[4], 3);
    tapNode(cards->widget("duihuanbtn"));
    CMyMessageBox* ask = boxSaying(text("CanExchange"));
    ASSERT_NE(ask, nullptr);
    pressSure(ask);
    settle();
    ASSERT_TRUE(answered(servedAct(17, "4"), 1)) << m_server.process().output();
    EXPECT_NE(boxSaying(text("CollectionSuccess")), nullptr);
    EXPECT_EQ(cards->shown()[4], 2);
    EXPECT_EQ(cards->shown()[0], 0);
    EXPECT_EQ(ContestServer::clientMoneyAndScore().first, moneyBefore + 30);

    // What the server kept: one of each taken.
    enter(2);
    enter(8);
    cards = screen<CMyCollectionScene>();
    EXPECT_EQ(cards->counts()[4], 2);
    EXPECT_EQ(cards->counts()[0], 0);
    tapNode(cards->widget("duihuanbtn"));
    EXPECT_NE(boxSaying(text("NotCellect")), nullptr) << "no second set";
}

TEST_F(RewardsServerTest, SigningInAndDrawingOnScreenAreWhatTheServerBooked) {
    // The server's clock stands on Wednesday 9 December 2026; the 7th and 8th were signed.
    for (int day : {7, 8}) {
        ASSERT_TRUE(sql("INSERT INTO sign_days (player_id, day, streak, addscore, addmoney) VALUES (" +
                        std::to_string(clientId()) + ", 2026120" + std::to_string(day) + ", " +
                        std::to_string(day - 6) + ", 0, 0)"));
    }
    enter(5);
    auto* sign = screen<CSignLayer>();
    ASSERT_NE(sign, nullptr);
    CCalendar* month = sign->calendar();
    EXPECT_EQ(month->year(), 2026);
    EXPECT_EQ(month->month(), 12);
    EXPECT_EQ(month->firstColumn(), 3) << "the 1st is a Tuesday";
    EXPECT_EQ(month->drawnDays(), 31);
    EXPECT_EQ(month->signedDaysDrawn(), 2);
    EXPECT_EQ(sign->streakLabel()->getString(), std::string("2"));

    tapNode(sign->widget("signbtn"));
    settle();
    ASSERT_TRUE(answered(servedAct(11, "\"everyday\" req=\"sign\""), 1)) << m_server.process().output();
    EXPECT_EQ(month->signedDaysDrawn(), 3);
    EXPECT_NE(month->dayMark(9), nullptr);
    EXPECT_EQ(sign->streakLabel()->getString(), std::string("3"));
    const auto [money, score] = ContestServer::clientMoneyAndScore();
    EXPECT_EQ(score, 20) << "day three of a run pays 20";
    EXPECT_EQ(money, 1);
    tapNode(sign->widget("signbtn"));
    CMyMessageBox* done = boxSaying(text("Signed"));
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(servedAct(11, "\"everyday\" req=\"sign\"").size(), 1u) << "the second tap asks nothing";
    pressSure(done);
    // The golden carrot that flew home asks about the prize form; not now.
    wait(2);
    if (CMyMessageBox* form = boxSaying(fillText(text("SaveDetailInfo"), {"1"}))) {
        ASSERT_NE(form->button(2), nullptr);
        form->handleRelease(form->button(2)->getPosition());
    }
    settle();

    ASSERT_TRUE(sign->widget("luckybtn")->isVisible());
    tapNode(sign->widget("luckybtn"));
    settle();
    ASSERT_TRUE(answered(servedAct(11, "\"luck\" req=\"sign\""), 1)) << m_server.process().output();
    wait(CSignLayer::kRevealLimitSeconds + 1);
    const SignAward drawn = GameData::instance().signAward;
    EXPECT_EQ(sign->awardLabel()->getString(), CSignLayer::awardText(drawn));
    EXPECT_FALSE(sign->widget("luckybtn")->isVisible());
    const int carrots = drawn.awardType == 0 ? static_cast<int>(drawn.awardScore) : 0;
    EXPECT_EQ(ContestServer::clientMoneyAndScore().second, 20 + carrots);

    // Coming back the same day: signed, drawn, the same award.
    enter(2);
    enter(5);
    sign = screen<CSignLayer>();
    EXPECT_TRUE(sign->signedToday());
    EXPECT_FALSE(sign->widget("luckybtn")->isVisible());
    EXPECT_EQ(sign->awardLabel()->getString(), CSignLayer::awardText(drawn));
}

TEST_F(RewardsServerTest, TheRankingShowsTheServersWeek) {
    ASSERT_TRUE(sql("UPDATE players SET weekscore = 50, nickname = '对手' WHERE id = " + std::to_string(m_remote.id())));
    ASSERT_TRUE(sql("UPDATE players SET weekscore = 20 WHERE id = " + std::to_string(clientId())));
    enter(4);
    auto* rank = screen<CRankLayer>();
    ASSERT_NE(rank, nullptr);
    ASSERT_TRUE(answered(served(13), 1));
    ASSERT_EQ(rank->numberOfCellsInTableView(rank->table()), 2u);
    CCTableViewCell* first = rank->table()->cellAtIndex(0);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(treeContainsText(first, "139****0003")) << "the other player leads";
    EXPECT_TRUE(treeContainsText(first, "对手"));
    EXPECT_EQ(rank->rankText()->getString(), fillText(text("wodepaiming"), {"2"}));
    EXPECT_EQ(rank->curWeekScore()->getString(), std::string(":20"));
    EXPECT_EQ(rank->lastWeekScore()->getString(), std::string(":0"));
}

} // namespace
