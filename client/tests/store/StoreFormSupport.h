// Shared by the exchange dialog and claim form tests: the game's layouts, pictures and texts, a
// registered player with claim details, a plain stand-in for the store screen (scene 6) that
// counts the taps it gets, and a scripted game peer answering the store (7) and claim (24)
// requests with the answers the test sets.
#pragma once

#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "net/ResponseRecords.h"
#include "store/CStoreInfoLayer.h"

#include "cocos-ext.h"

#include <memory>
#include <string>
#include <vector>

class CInputBox;
class CMyMessageBox;
class CReceiveMoneyLayer;

namespace test_support {

// The store as far as the dialog sees it: a full-window layer under the dialog that notes taps
// and the money figures it is handed.
class StoreStandIn;

class StoreFormTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs after the engine reset, before any picture is loaded (render tests switch to GL here).
    virtual void beforePictures() {}

    void settle();
    void tapWidget(cocos2d::extension::UIWidget* widget);
    void tapAt(const cocos2d::CCPoint& at);
    void typeInto(CInputBox* box, const std::string& value);
    // The store stand-in on stage (scene 6).
    StoreStandIn* enterStore();
    // The dialog over the store, its detail answered.
    CStoreInfoLayer* openDialog(const GoodsInfo& goods);
    CStoreInfoLayer* dialog() const;
    CReceiveMoneyLayer* openClaimForm();
    CReceiveMoneyLayer* claimForm() const;
    // The box with the text on the running scene, whoever put it there.
    CMyMessageBox* boxWith(const std::string& message) const;
    std::vector<CMyMessageBox*> boxes() const;
    void closeBoxes();
    // Taps the box's button 1, 2 or 3.
    void pressBoxButton(CMyMessageBox* box, int index);

    // Requests of "system" whose "act" (store) or "type" (claim) is the given text.
    std::vector<Json::Value> requestsOf(int system, const char* sub) const;
    static std::string text(const char* key);
    static GoodsInfo goods(int id, int typeId, int moneyPrice = 100, int scorePrice = 0);
    static Json::Value detailAnswer(int goodsId, int number, const std::string& describe = "面值10元，充值后约十分钟到账。");

    // What the peer answers; null answers {"response": 0, "fail": 5}.
    Json::Value detail, convert, authcode, update;
    std::unique_ptr<LoopbackServer> m_peer;
    StoreStandIn* m_store = nullptr;
};

class StoreStandIn : public cocos2d::CCLayer, public StoreMoneyView {
public:
    static StoreStandIn* create();
    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch*, cocos2d::CCEvent*) override;
    void showMoney(int money, int score) override;

    int touches = 0;
    int shownMoney = -1, shownScore = -1;
};

} // namespace test_support
