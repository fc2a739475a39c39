// Scene 7, the treasure hunt: today's treasure wanders over the screen as a zodiac animal or a
// carrot; touching it digs it up. Carrots pay score or money at once (the header counts up),
// cards go to the collection (scene 8). A player whose account is not logged in sees why and
// cannot take the treasure.
#pragma once

#include "menu/CTreasureFigure.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <vector>

class CTreasureLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CTreasureLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onExit() override;
    void keyBackClicked() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchCancelled(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    void onTreasureOffer(int code);
    void onDigResult(int code);
    void onRequestFailed(int) {}

    // Where the next figure's start is drawn from (the clock-seeded generator by default).
    void setRandom(CTreasureFigure::Random random) { m_random = std::move(random); }

    const std::vector<CTreasureFigure*>& figures() const { return m_figures; }
    const std::vector<cocos2d::CCRect>& obstacles() const { return m_obstacles; }
    cocos2d::extension::UILayer* uiRoot() const { return m_uiRoot; }
    cocos2d::extension::UIWidget* widget(const char* name) const;
    cocos2d::CCLabelBMFont* scoreLabel() const { return m_scoreLabel; }
    cocos2d::CCLabelBMFont* moneyLabel() const { return m_moneyLabel; }
    bool canTake() const { return m_canTake; }
    int currentKind() const { return m_kind; }

    static constexpr int kUiRootTag = 100;
    static constexpr int kAccountBoxTag = 10;
    static constexpr int kBoxZ = 99;
    static constexpr int kFigureZ = 5;
    static constexpr int kHelpUiId = 1;

private:
    void build();
    void wireButton(const char* name);
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void replaceLabel(const char* widgetName, const char* key);
    void addHeader();
    void askAboutAccount();
    void showExplain();
    void goRegister();
    void goUserScreen();
    void dig(CTreasureFigure* figure);

    bool m_built = false;
    bool m_canTake = false;
    int m_kind = 0;
    int m_oldScore = 0, m_oldMoney = 0;
    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    cocos2d::CCLabelBMFont* m_scoreLabel = nullptr;
    cocos2d::CCLabelBMFont* m_moneyLabel = nullptr;
    std::vector<CTreasureFigure*> m_figures; // children of this layer
    std::vector<cocos2d::CCRect> m_obstacles;
    CTreasureFigure* m_touched = nullptr;
    CTreasureFigure::Random m_random;
};
