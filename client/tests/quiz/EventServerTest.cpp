// The events screen against the real brindle-server with its seeded events (a free one and one
// costing ten gold carrots), a guest logged in: joining, joining twice, and paying.
#include "account/ServerProcess.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "quiz/CEventDoneCell.h"
#include "quiz/CEventLayer.h"
#include "quiz/QuizScenes.h"
#include "support/NetTestSupport.h"
#include "widgets/CMyMessageBox.h"

#include "cocos-ext.h"

#include "testing/EngineTesting.h"

#include <sqlite3.h>

USING_NS_CC;
using namespace test_support;

namespace {

class EventServerTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        useGameResources();
        setGameTexts();
        NetManager::installFrameHook();
        registerQuizScenes();
    }
    void TearDown() override {
        EXPECT_TRUE(pumpUntilIdle());
        ClientTest::TearDown();
        m_server.reset();
    }
    bool giveMoney(int money) {
        sqlite3* db = nullptr;
        if (sqlite3_open((m_folder + "server.db").c_str(), &db) != SQLITE_OK) return false;
        sqlite3_busy_timeout(db, 5000);
        const std::string sql = "UPDATE players SET money = " + std::to_string(money) + " WHERE guest = 1";
        const bool done = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return done;
    }
    CEventLayer* layer() {
        CCScene* scene = SceneDirector::instance().currentScene();
        return scene ? dynamic_cast<CEventLayer*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0))) : nullptr;
    }
    CEventDoneCell* rowOf(int eventId) {
        for (unsigned i = 0; i < layer()->numberOfCellsInTableView(layer()->table()); ++i) {
            auto* cell = dynamic_cast<CEventDoneCell*>(layer()->table()->cellAtIndex(i));
            if (cell && cell->eventId() == eventId) return cell;
        }
        return nullptr;
    }
    // Taps the row's join button, agrees when asked, and returns what the answer box says.
    std::string join(int eventId) {
        CEventDoneCell* row = rowOf(eventId);
        if (row == nullptr) return "no row";
        tapNode(row->joinButton());
        if (CMyMessageBox* ask = onlyBox()) ask->handleRelease(ask->button(1)->getPosition());
        EXPECT_TRUE(pumpUntilIdle());
        CMyMessageBox* answer = onlyBox();
        if (answer == nullptr) return "no box";
        const std::string said = answer->messageText();
        answer->handleRelease(answer->button(2)->getPosition());
        return said;
    }
    CMyMessageBox* onlyBox() {
        CMyMessageBox* found = nullptr;
        CCArray* children = layer()->getChildren();
        for (unsigned i = 0; children && i < children->count(); ++i) {
            if (auto* box = dynamic_cast<CMyMessageBox*>(static_cast<CCObject*>(children->objectAtIndex(i)))) found = box;
        }
        return found;
    }
    static std::string text(const char* key) { return LocalText::instance().text(key); }

    std::unique_ptr<ServerProcess> m_server;
};

TEST_F(EventServerTest, AGuestJoinsTheFreeEventOnceAndPaysForTheOtherWhenItHasTheCarrots) {
    // The main menu stands in while the guest logs in: the server link runs with a scene on stage.
    enterScene(2);
    startServerWithGuest(m_folder, m_server);
    if (m_server == nullptr) return;
    SceneDirector::instance().switchTo(17);
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_NE(layer(), nullptr);
    ASSERT_NE(layer()->table(), nullptr);
    ASSERT_EQ(GameData::instance().events.size(), 2u);
    ASSERT_NE(rowOf(1), nullptr);
    EXPECT_EQ(rowOf(1)->titleLabel()->getString(), std::string("新手答题挑战"));

    EXPECT_EQ(join(1), text("EventSucceed"));
    EXPECT_EQ(join(1), text("EventFailStr3")) << "joined already";
    EXPECT_EQ(join(2), text("EventFailStr1")) << "a guest starts without gold carrots";
    ASSERT_TRUE(giveMoney(15));
    EXPECT_EQ(join(2), text("EventSucceed"));
    EXPECT_EQ(GameData::instance().user.money, 5) << "ten paid";
    EXPECT_EQ(join(2), text("EventFailStr3"));
}

} // namespace
