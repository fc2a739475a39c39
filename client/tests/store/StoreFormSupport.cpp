#include "store/StoreFormSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/CReceiveMoneyLayer.h"
#include "menu/MenuScenes.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "store/StoreInfoScenes.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace test_support {

StoreStandIn* StoreStandIn::create() {
    auto* layer = new StoreStandIn;
    layer->init();
    layer->autorelease();
    return layer;
}

void StoreStandIn::onEnter() {
    CCLayer::onEnter();
    // Where a store's own widgets listen: behind any dialog laid over it.
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, true);
}

void StoreStandIn::onExit() {
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayer::onExit();
}

bool StoreStandIn::ccTouchBegan(CCTouch*, CCEvent*) {
    touches += 1;
    return true;
}

void StoreStandIn::showMoney(int money, int score) {
    shownMoney = money;
    shownScore = score;
}

void StoreFormTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    setGameTexts();
    UserInfo& user = GameData::instance().user;
    user.score = 1200;
    user.money = 350;
    user.infoFilled = true;
    UserSession::instance().setLoginValues(10001, "s1");
    UserSession::instance().setAccountKind(1);
    StoredSettings::storeUserName("13800138000");
    NetManager::installFrameHook();
    SceneDirector& director = SceneDirector::instance();
    for (int id : {2, 10, 13, 14}) director.registerScene(id, [] { return CCScene::create(); });
    director.registerScene(6, [this] {
        CCScene* scene = CCScene::create();
        m_store = StoreStandIn::create();
        scene->addChild(m_store);
        return scene;
    });
    registerMenuScenes();
    registerStoreInfoOverlay();

    m_peer = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        const int system = request["system"].asInt();
        const std::string act = request["act"].asString(), type = request["type"].asString();
        Json::Value answer;
        if (system == 7 && act == "detail") answer = detail;
        if (system == 7 && act == "convert") answer = convert;
        if (system == 24 && type == "authcode") answer = authcode;
        if (system == 24 && type == "update") answer = update;
        if (answer.isNull()) {
            answer = Json::Value(Json::objectValue);
            answer["response"] = 0;
            answer["fail"] = 5;
        }
        answer["system"] = system;
        return Reply::json(answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_peer->port());
}

void StoreFormTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle());
    m_peer.reset();
    ClientTest::TearDown();
}

void StoreFormTest::settle() {
    EXPECT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
}

void StoreFormTest::tapAt(const CCPoint& at) { engine::testing::tap(at.x, at.y); }

void StoreFormTest::tapWidget(UIWidget* widget) {
    ASSERT_NE(widget, nullptr);
    const CCSize size = widget->getContentSize();
    tapAt(widget->convertToWorldSpace(ccp(size.width / 2, size.height / 2)));
}

void StoreFormTest::typeInto(CInputBox* box, const std::string& value) {
    ASSERT_NE(box, nullptr);
    // An open message box would take the tap, as it does a player's.
    closeBoxes();
    // The box lays its field out around its own origin: a tap there gives it the keyboard.
    tapAt(box->convertToWorldSpace(CCPointZero));
    engine::testing::typeText(value);
    engine::testing::stepFrames(2);
}

StoreStandIn* StoreFormTest::enterStore() {
    SceneDirector::instance().switchTo(6);
    engine::testing::stepSeconds(0.3f);
    settle();
    return m_store;
}

CStoreInfoLayer* StoreFormTest::dialog() const {
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    return scene ? dynamic_cast<CStoreInfoLayer*>(scene->getChildByTag(101)) : nullptr;
}

CStoreInfoLayer* StoreFormTest::openDialog(const GoodsInfo& goods) {
    if (SceneDirector::instance().currentSceneId() != 6) enterStore();
    if (detail.isNull()) detail = detailAnswer(goods.goodsId, 5);
    SceneDirector::instance().showStoreInfo(goods, 0, 0);
    engine::testing::stepFrames(2);
    settle();
    return dialog();
}

CReceiveMoneyLayer* StoreFormTest::claimForm() const {
    CCScene* scene = SceneDirector::instance().currentScene();
    if (scene == nullptr || scene->getChildren() == nullptr) return nullptr;
    return dynamic_cast<CReceiveMoneyLayer*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
}

CReceiveMoneyLayer* StoreFormTest::openClaimForm() {
    SceneDirector::instance().switchTo(18);
    engine::testing::stepSeconds(0.3f);
    settle();
    return claimForm();
}

std::vector<CMyMessageBox*> StoreFormTest::boxes() const {
    return childrenOf<CMyMessageBox>(CCDirector::sharedDirector()->getRunningScene());
}

CMyMessageBox* StoreFormTest::boxWith(const std::string& message) const {
    for (CMyMessageBox* box : boxes()) {
        if (box->messageText() == message) return box;
    }
    return nullptr;
}

void StoreFormTest::closeBoxes() {
    for (CMyMessageBox* box : boxes()) box->removeFromParent();
}

void StoreFormTest::pressBoxButton(CMyMessageBox* box, int index) {
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(index), nullptr);
    tapAt(box->convertToWorldSpace(box->button(index)->getPosition()));
    engine::testing::stepFrames(2);
}

std::vector<Json::Value> StoreFormTest::requestsOf(int system, const char* sub) const {
    std::vector<Json::Value> found;
    for (const Json::Value& request : m_peer->requests()) {
        if (request["system"].asInt() != system) continue;
        if (request["act"].asString() != sub && request["type"].asString() != sub) continue;
        found.push_back(request);
    }
    return found;
}

std::string StoreFormTest::text(const char* key) { return LocalText::instance().text(key); }

GoodsInfo StoreFormTest::goods(int id, int typeId, int moneyPrice, int scorePrice) {
    GoodsInfo info;
    info.goodsId = id;
    info.goodsTypeId = typeId;
    info.moneyPrice = moneyPrice;
    info.scorePrice = scorePrice;
    info.goodsImg = "goods_phone10.png";
    info.goodsName = typeId == 0 ? "10元话费" : typeId >= 4 && typeId <= 6 ? "萝卜抱枕" : "视频会员月卡";
    return info;
}

Json::Value StoreFormTest::detailAnswer(int goodsId, int number, const std::string& describe) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["goodsid"] = goodsId;
    answer["number"] = number;
    answer["goodsdescribe"] = describe;
    answer["supplytel"] = "400-800-1234";
    answer["supplyaddr"] = "北京市朝阳区";
    answer["inputaddr"] = 0;
    return answer;
}

} // namespace test_support
