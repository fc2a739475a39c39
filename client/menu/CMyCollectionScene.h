// Scene 8, the zodiac card collection: twelve cells with how many of each card the player owns,
// the total, and the exchange of one full set for a reward. After an exchange the cells show what
// is left without asking again; the counts from the server stay as they came until the next list.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <array>
#include <vector>

class CMyCollectionScene : public cocos2d::CCLayer {
public:
    static constexpr int kCards = 12;

    static cocos2d::CCScene* scene();
    static CMyCollectionScene* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onExit() override;
    void keyBackClicked() override;

    void onCollectionList(int code);
    void onExchangeResult(int code);
    void onRequestFailed(int) {}
    // The exchange button: the question when a full set is there, the reason when not.
    void exchange();

    // The twelve counts the list gave, 0 for any it did not give.
    const std::array<int, kCards>& counts() const { return m_counts; }
    // What each cell shows now.
    const std::array<int, kCards>& shown() const { return m_shown; }
    bool canExchange() const { return m_canExchange; }
    cocos2d::CCSprite* card(int i) const { return m_cards[static_cast<std::size_t>(i)]; }
    cocos2d::CCSprite* cellBackground(int i) const { return m_backgrounds[static_cast<std::size_t>(i)]; }
    cocos2d::CCLabelBMFont* countLabel(int i) const { return m_countLabels[static_cast<std::size_t>(i)]; }
    cocos2d::CCLabelBMFont* totalLabel() const { return m_totalLabel; }
    cocos2d::extension::UIWidget* widget(const char* name) const;

    static constexpr int kBoxZ = 99;

private:
    void build();
    void buildCells();
    void replaceLabel(const char* widgetName, const char* key);
    void wireButton(const char* name);
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void showView();
    void sendExchange();
    void showBox(const char* title, const char* message, bool ask);

    bool m_built = false;
    bool m_canExchange = false;
    // Twelve counts, none negative: only such a list can vouch for a full set.
    bool m_listComplete = false;
    // Sets taken since the last list; the cells show the list's counts less these.
    int m_exchanged = 0;
    std::array<int, kCards> m_counts{};
    std::array<int, kCards> m_shown{};
    std::array<cocos2d::CCSprite*, kCards> m_cards{};
    std::array<cocos2d::CCSprite*, kCards> m_backgrounds{};
    std::array<cocos2d::CCLabelBMFont*, kCards> m_countLabels{};
    cocos2d::CCLabelBMFont* m_totalLabel = nullptr;
    cocos2d::extension::UILayer* m_uiRoot = nullptr;
};
