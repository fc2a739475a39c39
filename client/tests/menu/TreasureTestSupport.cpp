#include "menu/TreasureTestSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/MenuScenes.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <chrono>
#include <thread>

USING_NS_CC;
USING_NS_CC_EXT;

namespace test_support {

namespace {

void collectBoxes(CCNode* node, std::vector<CMyMessageBox*>& found) {
    if (node == nullptr) return;
    if (auto* box = dynamic_cast<CMyMessageBox*>(node)) found.push_back(box);
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        collectBoxes(static_cast<CCNode*>(children->objectAtIndex(i)), found);
    }
}

} // namespace

void TreasureTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    setGameTexts();
    NetManager::installFrameHook();
    registerMenuScenes();
    for (int id : {2, 13, 14}) SceneDirector::instance().registerScene(id, [] { return CCScene::create(); });
    m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        std::lock_guard<std::mutex> hold(m_lock);
        Json::Value reply;
        const auto it = m_answers.find(request["act"].asInt());
        if (request["system"].asInt() == 17 && it != m_answers.end()) {
            JsonRead::parse(it->second, reply);
        } else {
            reply["response"] = 0;
            reply["fail"] = 1;
        }
        return Reply::json(reply);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
    UserSession::instance().setLoginValues(10002, "s-10002");
    playAs("13800000002", 1);
    GameData::instance().user.score = 500;
    GameData::instance().user.money = 20;
}

void TreasureTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle());
    ClientTest::TearDown();
    m_game.reset();
}

void TreasureTest::answer(int act, const std::string& json) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_answers[act] = json;
}

std::vector<Json::Value> TreasureTest::sent(int act) const {
    std::vector<Json::Value> found;
    for (const Json::Value& request : m_game->requests()) {
        if (request["system"].asInt() == 17 && request["act"].asInt() == act) found.push_back(request);
    }
    return found;
}

void TreasureTest::enter(int sceneId) {
    SceneDirector::instance().switchTo(sceneId);
    engine::testing::stepSeconds(0.3f);
    settle();
}

void TreasureTest::settle() {
    // Frames without game time, so the figures stand where the answers left them.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (NetManager::instance().outstanding() > 0) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "answers did not arrive";
        engine::testing::stepFrames(1, 0.0f);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void TreasureTest::playAs(const std::string& storedName, int accountKind) {
    StoredSettings::storeUserName(storedName);
    UserSession::instance().setAccountKind(accountKind);
}

std::vector<CMyMessageBox*> TreasureTest::boxes() {
    std::vector<CMyMessageBox*> found;
    collectBoxes(CCDirector::sharedDirector()->getRunningScene(), found);
    return found;
}

void TreasureTest::tapWidget(UIWidget* widget) {
    ASSERT_NE(widget, nullptr);
    const CCSize size = widget->getContentSize();
    const CCPoint at = widget->convertToWorldSpace(ccp(size.width / 2, size.height / 2));
    engine::testing::tap(at.x, at.y);
}

void TreasureTest::pressFirst(CMyMessageBox* box) {
    ASSERT_NE(box, nullptr);
    CCSprite* button = box->button(1) ? box->button(1) : box->button(2);
    ASSERT_NE(button, nullptr);
    box->handleRelease(button->getPosition());
}

std::string TreasureTest::text(const char* key) { return LocalText::instance().text(key); }

int TreasureTest::effectsPlayed(const std::string& file) {
    int count = 0;
    for (const auto& call : audio().callsNamed("playEffect")) {
        if (call.file.size() >= file.size() && call.file.compare(call.file.size() - file.size(), file.size(), file) == 0)
            count += 1;
    }
    return count;
}

} // namespace test_support
