// Scene 4, the weekly ranking: the server's list of this week's best players in a scrolling table,
// and below it the player's own place with last week's and this week's score.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "net/ResponseRecords.h"

class CRankLayer : public cocos2d::CCLayer,
                   public cocos2d::extension::CCTableViewDataSource,
                   public cocos2d::extension::CCTableViewDelegate {
public:
    static cocos2d::CCScene* scene();
    static CRankLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;

    void onRankAnswer(int code);
    void onRequestFailed(int) {}
    void refreshOwnRank();
    void showExplain();

    unsigned int numberOfCellsInTableView(cocos2d::extension::CCTableView* table) override;
    cocos2d::CCSize cellSizeForTable(cocos2d::extension::CCTableView* table) override;
    cocos2d::extension::CCTableViewCell* tableCellAtIndex(cocos2d::extension::CCTableView* table,
                                                           unsigned int idx) override;
    void tableCellTouched(cocos2d::extension::CCTableView*, cocos2d::extension::CCTableViewCell*) override {}

    cocos2d::extension::UIWidget* widget(const char* name) const;
    cocos2d::extension::CCTableView* table() const { return m_table; }
    cocos2d::CCLabelBMFont* scoreLabel() const { return m_score; }
    cocos2d::CCLabelBMFont* moneyLabel() const { return m_money; }
    cocos2d::CCLabelBMFont* rankText() const { return m_rankText; }
    cocos2d::CCLabelBMFont* lastWeekLabel() const { return m_lastWeek; }
    cocos2d::CCLabelBMFont* curWeekLabel() const { return m_curWeek; }
    cocos2d::CCLabelBMFont* lastWeekScore() const { return m_lastWeekScore; }
    cocos2d::CCLabelBMFont* curWeekScore() const { return m_curWeekScore; }

    static constexpr int kSceneId = 4;
    static constexpr int kUiRootTag = 100;
    static constexpr int kTableTag = 1085;
    static constexpr float kCellWidth = 790, kCellHeight = 100;
    static constexpr float kTableWidth = 790, kTableHeight = 325;
    static constexpr int kBoxZ = 99;

private:
    void build();
    void buildOwnRankPanel();
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onExplainButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    cocos2d::CCLabelBMFont* numberInPlaceOf(const char* placeholder, const cocos2d::CCPoint& shift, int value);

    bool m_built = false;
    // This visit's ranking, kept from its answer: before it the table is empty, and a later answer
    // for another visit cannot change what this one shows.
    bool m_haveRecord = false;
    RankPage m_page;
    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    cocos2d::extension::CCTableView* m_table = nullptr;
    cocos2d::extension::UIWidget* m_shareButton = nullptr;
    cocos2d::extension::UIWidget* m_myRankView = nullptr;
    cocos2d::CCLabelBMFont* m_score = nullptr;
    cocos2d::CCLabelBMFont* m_money = nullptr;
    cocos2d::CCLabelBMFont* m_rankText = nullptr;
    cocos2d::CCLabelBMFont* m_lastWeek = nullptr;
    cocos2d::CCLabelBMFont* m_curWeek = nullptr;
    cocos2d::CCLabelBMFont* m_lastWeekScore = nullptr;
    cocos2d::CCLabelBMFont* m_curWeekScore = nullptr;
};
