// Scene 24, the ranking of the competition whose hall opened it: one-to-one (23) and challenge
// (28) by wins, the team list (25) by team points, the exam (29) by right answers and time. The
// hall is remembered on entering and the back button returns to it; from anywhere else the
// scene stays empty and asks nothing.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>
#include <vector>

class CHD_RankOfHDLayer : public cocos2d::CCLayer,
                          public cocos2d::extension::CCTableViewDataSource,
                          public cocos2d::extension::CCTableViewDelegate {
public:
    static cocos2d::CCScene* scene();
    static CHD_RankOfHDLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void keyBackClicked() override;

    unsigned int numberOfCellsInTableView(cocos2d::extension::CCTableView* table) override;
    cocos2d::CCSize cellSizeForTable(cocos2d::extension::CCTableView* table) override;
    cocos2d::extension::CCTableViewCell* tableCellAtIndex(cocos2d::extension::CCTableView* table,
                                                           unsigned int idx) override;
    void tableCellTouched(cocos2d::extension::CCTableView*, cocos2d::extension::CCTableViewCell*) override {}

    void onPlayerRank(int code);
    void onTeamRank(int code);
    void onRequestFailed(int) {}

    int previousScene() const { return m_previous; }
    const std::vector<std::string>& headers() const { return m_headers; }
    // The rows as shown: each row's columns in header order.
    const std::vector<std::vector<std::string>>& rows() const { return m_rows; }
    cocos2d::extension::CCTableView* table() const { return m_table; }
    cocos2d::CCLabelTTF* ownLine() const { return m_ownLine; }
    cocos2d::extension::UIWidget* backButton() const { return m_back; }

    static constexpr float kRowHeight = 56;
    static constexpr float kTableWidth = 820;
    // Six whole rows: no row shows cut in half before the player scrolls.
    static constexpr float kTableHeight = 6 * kRowHeight;

private:
    bool chooseHeaders();
    void build();
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void goBack();
    void reload();

    int m_previous = -1;
    bool m_built = false;
    std::vector<std::string> m_headers;
    std::vector<float> m_columnXs;
    std::vector<std::vector<std::string>> m_rows;
    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    cocos2d::extension::UIWidget* m_back = nullptr;
    cocos2d::extension::CCTableView* m_table = nullptr;
    cocos2d::CCLabelTTF* m_ownLine = nullptr;
};
