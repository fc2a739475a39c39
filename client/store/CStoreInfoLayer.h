// The exchange dialog (scene id 9), laid over the store: the goods' name, price and details, a
// count between 1 and the per-exchange limit, and the delivery form of the goods' kind (a mobile
// number twice, an account twice, or a parcel's receiver, address and number twice). The detail
// is asked for once the dialog is on screen; the form only appears with it.
#pragma once

#include "net/ResponseRecords.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <json/value.h>

#include <string>
#include <vector>

class CImageView;
class CInputBox;

// A screen under the dialog that shows the player's money takes the new figures after an exchange.
class StoreMoneyView {
public:
    virtual ~StoreMoneyView() = default;
    virtual void showMoney(int money, int score) = 0;
};

class CStoreInfoLayer : public cocos2d::CCLayer {
public:
    enum Delivery { kTelephone, kAccount, kPost };

    static CStoreInfoLayer* create(const GoodsInfo& goods, int mode, int extra);
    // The factory SceneDirector lays over the running scene.
    static cocos2d::CCNode* make(const GoodsInfo& goods, int mode, int extra);
    static Delivery deliveryOf(int goodsTypeId);

    void onEnterTransitionDidFinish() override;
    void registerWithTouchDispatcher() override;
    // Everything the dialog's own widgets leave is kept from the store below.
    bool ccTouchBegan(cocos2d::CCTouch*, cocos2d::CCEvent*) override { return true; }

    // The detail answer, passed on by the loader while this dialog is still open.
    void onDetail(int code);
    void onExchanged(int code);
    void onExchangeFailed(int status);
    void watchPicture(float dt);
    CImageView* ownPicture() const { return m_ownPicture; }

    void close();
    void lowerCount();
    void raiseCount();
    void askMessage();
    void exchange();

    const GoodsInfo& goods() const { return m_goods; }
    Delivery delivery() const { return deliveryOf(m_goods.goodsTypeId); }
    bool built() const { return m_built; }
    int count() const { return m_count; }
    int limit() const { return m_limit; }
    bool messageFlag() const { return m_messageFlag; }
    const std::string& messageText() const { return m_messageText; }
    cocos2d::extension::UIWidget* widget(const char* name) const;
    // The form's boxes in screen order: telephone twice; account twice; name, address, telephone twice.
    const std::vector<CInputBox*>& boxes() const { return m_boxes; }

    static constexpr int kUiPriority = -1000;
    static constexpr int kBlockPriority = -999;
    static constexpr int kBoxZ = 1000;
    static constexpr int kTelephoneLength = 11;

private:
    bool initWith(const GoodsInfo& goods, int mode, int extra);
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void buildCommonPart();
    void buildForm();
    CInputBox* addField(float x, float y, float width, int maxLength, const char* placeholderKey);
    void caption(const char* key, float y);
    void showCount();
    void messageYes();
    void messageNo();
    void openClaimForm();
    bool passesAccountChecks();
    bool telephoneFieldsValid(CInputBox* first, CInputBox* second) const;
    void send(const std::string& extraInfo, const Json::Value& extra);
    void showNotice(const std::string& text);
    void refreshMoneyBelow();

    GoodsInfo m_goods;
    int m_mode = 0;
    int m_extra = 0;
    int m_count = 1;
    int m_limit = 1;
    bool m_messageFlag = false;
    std::string m_messageText;
    bool m_detailAsked = false;
    CImageView* m_ownPicture = nullptr;
    bool m_built = false;
    bool m_closed = false;
    cocos2d::extension::UILayer* m_ui = nullptr;
    cocos2d::extension::UILabel* m_countLabel = nullptr;
    std::vector<CInputBox*> m_boxes;
};
