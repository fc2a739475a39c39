// Scene 2, the hub: the menu layout with its buttons, the decorations, the announcement band,
// the settings panel, and on the first entry of a run the notice → events → guide → rewards chain.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "widgets/CSliderLayer.h"

class CRollAnnounceLayer;
class CMainDecorations;

class CMainLayer : public cocos2d::CCLayer, public CSliderLayerDelegateProtocol {
public:
    static cocos2d::CCScene* scene();
    static CMainLayer* create();
    bool init() override { return true; }
    void onEnter() override;
    void onExit() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    void share() override {}

    void requestNotice();
    void onNotice(int code);
    void requestEvents();
    void onEventList(int code);
    void afterEvents();
    void onRequestFailed(int) {}

    CRollAnnounceLayer* rollBand() const { return m_roll; }
    cocos2d::extension::UILayer* uiRoot() const { return m_uiRoot; }

    static constexpr int kUiRootTag = 100;
    static constexpr int kNoticeBoxTag = 1001;
    static constexpr int kGuideZ = 1200;

private:
    void wireButtons();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void openUserScreen();
    void showTipBox(const char* titleImage, const std::string& text, cocos2d::SEL_CallFunc onClose);
    cocos2d::extension::UIWidget* widget(const char* name) const;

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    CRollAnnounceLayer* m_roll = nullptr;
    CMainDecorations* m_decorations = nullptr;
};
