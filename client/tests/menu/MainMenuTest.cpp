// The main menu: the first-entry chain (notice, events, guide, rewards) once per run, the user
// buttons by account kind, and the announcement band.
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/CMainLayer.h"
#include "menu/CRollAnnounceLayer.h"
#include "menu/MainMenuState.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"
#include "widgets/playGuide.h"

#include "testing/EngineTesting.h"

#include <fstream>

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

const char* kLayout = R"({"version":"1.2.0.0","widgetTree":{"classname":"Panel","options":{"name":"root","width":960,"height":640,"touchAble":false},
 "children":[
  {"classname":"Button","options":{"name":"userinfobtn","x":100,"y":100,"width":60,"height":60,"touchAble":true}},
  {"classname":"Button","options":{"name":"userinfologoutbtn","x":100,"y":100,"width":60,"height":60,"touchAble":true}},
  {"classname":"Button","options":{"name":"usertitle","x":300,"y":100,"width":60,"height":60,"touchAble":false}},
  {"classname":"Button","options":{"name":"playbtn","x":480,"y":320,"width":60,"height":60,"touchAble":true}},
  {"classname":"ImageView","options":{"name":"star","tag":178,"x":200,"y":200}}]}})";

const char* kGuide = R"(<Guide/><Start><Idx id="0"/></Start><Steps><RectGroup id="1"><Rect pntX="1" pntY="2" radius="3"/><LabelText key="sure"/><Image pntX="0" pntY="0" isEnd="1"/></RectGroup></Steps>)";

class MainMenuTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        MainMenuState::instance().reset();
        addPicture("common_closeBtn.png", 60, 60);
        addPicture("common_btn.png", 300, 150);
        const std::string resources = m_folder + "resources/";
        std::ofstream(resources + "main.ExportJson") << kLayout;
        std::ofstream(resources + "guide1.xml") << kGuide;
        setTexts(R"({"sure":{"chinese":"OK"},"Received":{"chinese":"got "},"JinLuoBo":{"chinese":" carrots"}})");
        m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
            Json::Value answer;
            answer["response"] = 1;
            if (request["system"].asInt() == 12) {
                answer["act"] = m_noticeAct;
                for (size_t i = 0; i < m_messages.size(); ++i) answer["notice"][int(i)]["message"] = m_messages[i];
            }
            if (request["system"].asInt() == 15) {
                answer["huodong"][0]["desc"] = m_eventDesc;
                answer["huodong"][0]["title"] = "t";
            }
            return Reply::json(answer);
        });
        NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
        UserSession::instance().setLoginValues(7, "session");
        NetManager::installFrameHook();
        SceneDirector::instance().registerScene(2, &CMainLayer::scene);
        SceneDirector::instance().registerScene(3, [] { return CCScene::create(); });
    }
    void TearDown() override {
        EXPECT_TRUE(pumpUntilIdle());
        ClientTest::TearDown();
    }

    CMainLayer* enterMenu() {
        SceneDirector::instance().switchTo(2);
        engine::testing::stepFrames(2);
        CCScene* scene = SceneDirector::instance().currentScene();
        return static_cast<CMainLayer*>(scene->getChildren()->objectAtIndex(0));
    }

    std::vector<int> systems() const { return m_game->systems(); }

    std::unique_ptr<LoopbackServer> m_game;
    int m_noticeAct = 1;
    std::vector<std::string> m_messages{"first", "second"};
    std::string m_eventDesc = "event text";
};

TEST_F(MainMenuTest, FirstEntryChainRunsOncePerRun) {
    CMainLayer* menu = enterMenu();
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(systems(), std::vector<int>{12});
    EXPECT_EQ(m_game->requests()[0]["act"].asInt(), 1);
    EXPECT_EQ(NetManager::instance().heartbeatInterval(), 20);

    auto tips = childrenOf<CTipBox>(menu);
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(tips[0]->getZOrder(), 99);
    EXPECT_NE(engine::testing::dumpTree(tips[0]).find("1.first"), std::string::npos);
    EXPECT_NE(engine::testing::dumpTree(tips[0]).find("2.second"), std::string::npos);
    tips[0]->handleRelease(tips[0]->closeButton()->getPosition());
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(systems(), (std::vector<int>{12, 15}));

    tips = childrenOf<CTipBox>(menu);
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_NE(engine::testing::dumpTree(tips[0]).find("event text"), std::string::npos);
    tips[0]->handleRelease(tips[0]->closeButton()->getPosition());
    ASSERT_EQ(childrenOf<playGuide>(menu).size(), 1u);
    EXPECT_EQ(childrenOf<playGuide>(menu)[0]->getZOrder(), CMainLayer::kGuideZ);

    // Back from another screen: no second round of notices.
    SceneDirector::instance().switchTo(3);
    engine::testing::stepFrames(30);
    enterMenu();
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(systems(), (std::vector<int>{12, 15}));
}

TEST_F(MainMenuTest, NoticeKindsDecideWhatFollows) {
    struct Case {
        const char* what;
        int act;
        std::vector<std::string> messages;
        std::string eventDesc;
        std::vector<int> systems;
        size_t tipBoxes; // after the answers, before any box is closed
    };
    const Case cases[] = {
        {"list notice", 1, {"a"}, "e", {12}, 1},
        {"rolling notice", 0, {"a", "b"}, "e", {12}, 0},
        {"empty notice goes on to the events", 1, {}, "e", {12, 15}, 1},
        {"empty notice and empty event text", 1, {}, "", {12, 15}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MainMenuState::instance().reset();
        m_noticeAct = c.act;
        m_messages = c.messages;
        m_eventDesc = c.eventDesc;
        const size_t before = m_game->requests().size();
        CMainLayer* menu = enterMenu();
        ASSERT_TRUE(pumpUntilIdle());
        std::vector<int> sent = systems();
        sent.erase(sent.begin(), sent.begin() + static_cast<long>(before));
        EXPECT_EQ(sent, c.systems);
        EXPECT_EQ(childrenOf<CTipBox>(menu).size(), c.tipBoxes);
        if (c.act == 0) {
            ASSERT_NE(menu->rollBand(), nullptr);
            EXPECT_EQ(menu->rollBand()->labels()->count(), c.messages.size());
        }
    }
}

TEST_F(MainMenuTest, GuideOnlyUntilSeenAndRewardsWithTheirTexts) {
    MainMenuState::instance().takeFirstEntry(); // this test drives the end of the chain itself
    for (bool seen : {false, true}) {
        SCOPED_TRACE(seen);
        StoredSettings::writeBool("main_hadGuide", seen);
        MainMenuState::instance().addReward(5, "");
        MainMenuState::instance().addReward(0, "never");
        MainMenuState::instance().addReward(-2, "never");
        MainMenuState::instance().addReward(3, "own text");
        CMainLayer* menu = enterMenu();
        menu->afterEvents();
        EXPECT_EQ(childrenOf<playGuide>(menu).size(), seen ? 0u : 1u);
        const auto boxes = childrenOf<CMyMessageBox>(menu);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0]->messageText(), "got 5 carrots");
        EXPECT_EQ(boxes[1]->messageText(), "own text");
        EXPECT_TRUE(MainMenuState::instance().rewards().empty());
    }
}

TEST_F(MainMenuTest, UserButtonsByAccountKind) {
    struct Case {
        const char* what;
        const char* storedName;
        int kind;
        bool accountShown;
    };
    const Case cases[] = {
        {"registered account", "13800000001", 1, true},
        {"guest", "", 2, false},
        {"name stored but guest session", "13800000001", 2, false},
    };
    MainMenuState::instance().takeFirstEntry();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoredSettings::storeUserName(c.storedName);
        UserSession::instance().setAccountKind(c.kind);
        CMainLayer* menu = enterMenu();
        UIWidget* account = menu->uiRoot()->getWidgetByName("userinfobtn");
        UIWidget* guest = menu->uiRoot()->getWidgetByName("userinfologoutbtn");
        ASSERT_NE(account, nullptr);
        EXPECT_EQ(account->isVisible(), c.accountShown);
        EXPECT_EQ(account->isTouchEnabled(), c.accountShown);
        EXPECT_EQ(guest->isVisible(), !c.accountShown);
        EXPECT_TRUE(menu->uiRoot()->getWidgetByName("usertitle")->isTouchEnabled());
    }
}

TEST_F(MainMenuTest, GuestButtonOpensRegistration) {
    MainMenuState::instance().takeFirstEntry();
    UserSession::instance().setAccountKind(2);
    enterMenu();
    engine::testing::tap(100, 100); // userinfologoutbtn without a stored name: registration
    EXPECT_TRUE(logged("scene 14"));
}

TEST_F(MainMenuTest, RollBandScrollsThroughOnceAndLeaves) {
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    for (int messages : {0, 2}) {
        SCOPED_TRACE(messages);
        CRollAnnounceLayer* band = CRollAnnounceLayer::create();
        scene->addChild(band);
        for (int i = 0; i < messages; ++i) band->addMessage("message");
        band->start();
        EXPECT_EQ(band->offset(), 0);
        const float width = band->getChildByTag(CRollAnnounceLayer::kBandTag)->getContentSize().width;
        EXPECT_EQ(width, 960);
        int total = 0;
        for (int w : band->widths()) total += w;
        for (unsigned i = 0; i < band->labels()->count(); ++i) {
            auto* label = static_cast<CCSprite*>(band->labels()->objectAtIndex(i));
            const float before = i == 0 ? 0 : static_cast<float>(band->widths()[0]);
            EXPECT_FLOAT_EQ(label->getTextureRect().origin.x, -(before + width));
        }
        band->retain();
        engine::testing::stepFrames(1);
        const float first = band->offset();
        engine::testing::stepFrames(3);
        EXPECT_FLOAT_EQ(band->offset(), first + 6);
        // Every frame moves 2; the band leaves once the offset passes the texts and the band width.
        const int frames = (total + static_cast<int>(width)) / 2 + 2;
        engine::testing::stepFrames(frames);
        EXPECT_EQ(band->getParent(), nullptr);
        EXPECT_EQ(band->offset(), 0);
        band->release();
    }
}

} // namespace
