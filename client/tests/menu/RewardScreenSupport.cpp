#include "menu/RewardScreenSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/MenuScenes.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/QuizScenes.h"
#include "widgets/CMessageBox.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <chrono>
#include <thread>

USING_NS_CC;

namespace test_support {

namespace {

std::string keyOf(int system, const std::string& act) { return std::to_string(system) + ":" + act; }

std::string actOf(const Json::Value& request) {
    const Json::Value& act = request["act"];
    if (act.isString()) return act.asString();
    if (act.isIntegral()) return std::to_string(act.asInt());
    return "";
}

} // namespace

void RewardScreenTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    setGameTexts();
    NetManager::installFrameHook();
    registerMenuScenes();
    registerQuizScenes();
    // Where the screens lead: bare stand-ins.
    for (int id : {2, 13, 14}) SceneDirector::instance().registerScene(id, [] { return CCScene::create(); });
    m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        if (m_delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(m_delayMs));
        std::lock_guard<std::mutex> hold(m_lock);
        const auto found = m_replies.find(keyOf(request["system"].asInt(), actOf(request)));
        if (found != m_replies.end()) return found->second;
        Json::Value plain(Json::objectValue);
        plain["response"] = 1;
        return Reply::json(plain);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
    UserSession::instance().setLoginValues(10002, "s-10002");
    UserSession::instance().setAccountKind(1);
    StoredSettings::storeUserName("13800000002");
}

void RewardScreenTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle());
    ClientTest::TearDown();
    m_game.reset();
}

void RewardScreenTest::answerWith(int system, const std::string& act, const Reply& reply) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_replies[keyOf(system, act)] = reply;
}

void RewardScreenTest::enter(int scene) {
    SceneDirector::instance().switchTo(scene);
    engine::testing::stepSeconds(0.3f);
    settle();
}

void RewardScreenTest::settle() {
    EXPECT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
}

std::vector<Json::Value> RewardScreenTest::sent(int system) const {
    std::vector<Json::Value> found;
    for (const Json::Value& request : m_game->requests()) {
        if (request["system"].asInt() == system) found.push_back(request);
    }
    return found;
}

Json::Value RewardScreenTest::achievement(int id, int doCount, int done, int prize, const std::string& img,
                                          const std::string& name, const std::string& desc) {
    Json::Value v(Json::objectValue);
    v["id"] = id;
    v["do"] = doCount;
    v["done"] = done;
    v["prize"] = prize;
    v["img"] = img;
    v["name"] = name.empty() ? "成就" + std::to_string(id) : name;
    v["desc"] = desc.empty() ? "说明" + std::to_string(id) : desc;
    return v;
}

Json::Value RewardScreenTest::achievementList(const std::vector<Json::Value>& items) {
    Json::Value v(Json::objectValue);
    v["response"] = 1;
    v["achvlist"] = Json::Value(Json::arrayValue);
    for (const Json::Value& item : items) v["achvlist"].append(item);
    return v;
}

Json::Value RewardScreenTest::event(int id, int needMoney, const std::string& title, const std::string& desc) {
    Json::Value v(Json::objectValue);
    v["id"] = id;
    v["date"] = 20261201;
    v["enddate"] = 20261231;
    v["click"] = 0;
    v["needmoney"] = needMoney;
    v["title"] = title;
    v["desc"] = desc;
    v["url"] = "";
    return v;
}

CCScene* RewardScreenTest::currentScene() { return SceneDirector::instance().currentScene(); }

void RewardScreenTest::collect(CCNode* node, const std::function<void(CCNode*)>& visit) {
    if (node == nullptr) return;
    visit(node);
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        collect(static_cast<CCNode*>(children->objectAtIndex(i)), visit);
    }
}

std::vector<CMyMessageBox*> RewardScreenTest::boxes() {
    return allOf<CMyMessageBox>(CCDirector::sharedDirector()->getRunningScene());
}

std::vector<CMessageBox*> RewardScreenTest::plainBoxes() {
    return allOf<CMessageBox>(CCDirector::sharedDirector()->getRunningScene());
}

CMyMessageBox* RewardScreenTest::boxSaying(const std::string& message) {
    for (CMyMessageBox* box : boxes()) {
        if (box->messageText() == message) return box;
    }
    return nullptr;
}

std::string RewardScreenTest::text(const char* key) { return LocalText::instance().text(key); }

std::vector<std::string> RewardScreenTest::textsIn(CCNode* node) {
    std::vector<std::string> found;
    collect(node, [&found](CCNode* n) {
        if (auto* label = dynamic_cast<CCLabelTTF*>(n)) found.push_back(label->getString());
        if (auto* label = dynamic_cast<CCLabelBMFont*>(n)) found.push_back(label->getString());
    });
    return found;
}

} // namespace test_support
