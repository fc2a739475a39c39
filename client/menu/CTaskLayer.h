// Scene 12, tasks and achievements: two tabs over one list, in progress (the right tab, shown
// first) and finished (the left tab), where a finished achievement's prize is claimed. The server
// keeps all progress; the screen shows the lists of the last answer.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "net/ResponseRecords.h"

#include <set>
#include <vector>

class CTaskLayer : public cocos2d::CCLayer,
                   public cocos2d::extension::CCTableViewDataSource,
                   public cocos2d::extension::CCTableViewDelegate {
public:
    enum Tab { kInProgress = 0, kFinished = 1 };

    static cocos2d::CCScene* scene();
    static CTaskLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onExit() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    // The keyboard's back key does what the back button does.
    void keyBackClicked() override;

    void onTaskList(int code);
    void onListFailed(int status);
    void onClaimAnswer(int code);
    void onClaimFailed(int status);
    // Shows the marker of that tab and hides the other's.
    void showTab(int tab);
    // A row's claim button: asks the server for that achievement's prize.
    void requestClaim(int achievementId);

    unsigned int numberOfCellsInTableView(cocos2d::extension::CCTableView* table) override;
    cocos2d::CCSize cellSizeForTable(cocos2d::extension::CCTableView* table) override;
    cocos2d::extension::CCTableViewCell* tableCellAtIndex(cocos2d::extension::CCTableView* table,
                                                           unsigned int idx) override;
    void tableCellTouched(cocos2d::extension::CCTableView*, cocos2d::extension::CCTableViewCell*) override {}

    int tab() const { return m_tab; }
    const std::vector<AchievementItem>& shownList() const;
    cocos2d::extension::CCTableView* table() const { return m_table; }
    cocos2d::extension::UIWidget* widget(const char* name) const;
    cocos2d::CCLabelBMFont* scoreLabel() const { return m_scoreLabel; }
    cocos2d::CCLabelBMFont* moneyLabel() const { return m_moneyLabel; }

    static constexpr int kUiTag = 100;
    static constexpr int kScene = 12;
    static constexpr int kCarrotZ = 99;
    static constexpr int kBoxZ = 100;
    static constexpr int kFailBoxZ = 100;

private:
    void build();
    void wireButton(const char* name, cocos2d::extension::SEL_TouchEvent handler);
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onFinishedTab(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onInProgressTab(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void showAccountBox();
    void goRegister();
    void goUserScreen();
    void goMain();
    void closeBox() {}
    void showClaimFailed();
    void reload();
    void requestList();
    cocos2d::CCLabelBMFont* addNumber(int value, const cocos2d::CCPoint& at);
    cocos2d::CCLabelBMFont* addCaption(const char* key, const cocos2d::CCPoint& at);
    bool onStage() const;

    bool m_built = false;
    int m_tab = kInProgress;
    cocos2d::CCPoint m_savedOffset;
    // Claims sent in this visit: their rows stay "AchieveGot" even when the table is filled from a
    // list older than the claim.
    std::set<int> m_claimed;
    cocos2d::extension::UILayer* m_ui = nullptr;
    cocos2d::extension::CCTableView* m_table = nullptr;
    cocos2d::extension::UIWidget* m_leftMarker = nullptr;
    cocos2d::extension::UIWidget* m_rightMarker = nullptr;
    cocos2d::CCLabelBMFont* m_scoreLabel = nullptr;
    cocos2d::CCLabelBMFont* m_moneyLabel = nullptr;
};
