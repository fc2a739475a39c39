#include "account/ProfileSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"


USING_NS_CC;

namespace test_support {

void ProfileTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    setGameTexts();
    UserInfo& user = GameData::instance().user;
    user.uuid = 10001;
    user.level = 25;
    user.nickname = "小明";
    user.email = "ming@example.com";
    user.tel = "13800000001";
    user.money = 320;
    user.score = 4500;
    user.sex = 1;
    UserSession::instance().setLoginValues(10001, "s1");
    NetManager::installFrameHook();
    SceneDirector::instance().registerScene(16, &CChangeUserInfoLayer::scene);
}

void ProfileTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle());
    m_peer.reset();
    ClientTest::TearDown();
}

void ProfileTest::startPeer() {
    m_peer = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        if (answer) return Reply::json(answer(request));
        Json::Value ok(Json::objectValue);
        ok["response"] = 1;
        return Reply::json(ok);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_peer->port());
}

CChangeUserInfoLayer* ProfileTest::enterProfile() {
    if (!m_peer) startPeer();
    SceneDirector::instance().switchTo(16);
    engine::testing::stepSeconds(0.3f);
    CCScene* scene = SceneDirector::instance().currentScene();
    m_screen = dynamic_cast<CChangeUserInfoLayer*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
    EXPECT_TRUE(pumpUntilIdle());
    return m_screen;
}

std::vector<Json::Value> ProfileTest::requestsOf(int system) const {
    std::vector<Json::Value> found;
    if (!m_peer) return found;
    for (const Json::Value& request : m_peer->requests()) {
        if (request["system"].asInt() == system) found.push_back(request);
    }
    return found;
}

std::string ProfileTest::takeBox() {
    CCScene* scene = SceneDirector::instance().currentScene();
    auto* box = scene ? dynamic_cast<CMyMessageBox*>(scene->getChildByTag(CChangeUserInfoLayer::kBoxTag)) : nullptr;
    if (box == nullptr) return "";
    const std::string message = box->messageText();
    box->removeFromParent();
    return message;
}

std::string ProfileTest::text(const char* key) { return LocalText::instance().text(key); }

Json::Value ProfileTest::referralPage(int first, int count) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    Json::Value list(Json::arrayValue);
    for (int i = 0; i < count; ++i) {
        const int n = first + i;
        Json::Value item(Json::objectValue);
        char tel[16];
        std::snprintf(tel, sizeof tel, "139%08d", n);
        item["tel"] = tel;
        item["regdate"] = "2026-11-" + std::string(n % 28 + 1 < 10 ? "0" : "") + std::to_string(n % 28 + 1);
        item["rightcount"] = 10 + n;
        item["wrongcount"] = n % 7;
        item["money"] = 5 * n;
        item["score"] = 100 + n;
        item["todaymoney"] = n % 4;
        item["onlinetime"] = 37 * n;
        item["todayanswercount"] = n % 9;
        item["monthlogindays"] = n % 31;
        item["logindays"] = n;
        item["recommenduuid"] = 20000 + n;
        list.append(item);
    }
    answer["tuijian"] = list;
    return answer;
}

} // namespace test_support
