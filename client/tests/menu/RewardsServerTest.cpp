// The reward screens against the real brindle-server, driven by the player's own touches: the
// day's treasure dug up on the treasure screen earns the achievement that the task screen then
// claims, and a full set of zodiac cards is exchanged on the collection screen. What the screens
// show afterwards is checked against what the server stored.
#include "app/SceneDirector.h"
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

#include <sqlite3.h>

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
        signUp(false);
    }
    // What the player's history would hold, written the way the server keeps it.
    bool sql(const std::string& statement) {
        sqlite3* db = nullptr;
        if (sqlite3_open((m_folder + "server.db").c_str(), &db) != SQLITE_OK) return false;
        sqlite3_busy_timeout(db, 5000);
        const bool done = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return done;
    }
    // The server's log lines of the client's requests of this "system" whose "act" reads `act`.
    std::vector<std::string> servedAct(int system, const std::string& act) {
        std::vector<std::string> found;
        for (const std::string& line : served(system)) {
            if (line.find("act=" + act + " ") != std::string::npos ||
                line.find("act=\"" + act + "\"") != std::string::npos) {
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
    ASSERT_TRUE(answered(servedAct(14, "askprize"), 1)) << m_server.process().output();
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

} // namespace
