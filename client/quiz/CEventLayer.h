// Scene 17, the events screen: the server's running events, each with a join button. Joining an
// event that costs gold carrots asks first.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

class CEventLayer : public cocos2d::CCLayer,
                    public cocos2d::extension::CCTableViewDataSource,
                    public cocos2d::extension::CCTableViewDelegate {
public:
    static cocos2d::CCScene* scene();
    static CEventLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onExit() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    // The keyboard's back key does what the back button does.
    void keyBackClicked() override;

    void onEventList(int code);
    void onJoinAnswer(int code);
    void onRequestFailed(int status);
    // A row's join button.
    void join(int eventId);

    unsigned int numberOfCellsInTableView(cocos2d::extension::CCTableView* table) override;
    cocos2d::CCSize cellSizeForTable(cocos2d::extension::CCTableView* table) override;
    cocos2d::extension::CCTableViewCell* tableCellAtIndex(cocos2d::extension::CCTableView* table,
                                                           unsigned int idx) override;
    void tableCellTouched(cocos2d::extension::CCTableView*, cocos2d::extension::CCTableViewCell*) override {}

    // The text key of the box that answers a join: "EventSucceed" or one of "EventFailStr0".."4".
    static const char* answerKey(int code, int failReason);

    cocos2d::extension::CCTableView* table() const { return m_table; }
    cocos2d::CCSprite* titleSprite() const { return m_title; }
    cocos2d::extension::UIWidget* widget(const char* name) const;

    static constexpr int kScene = 17;
    static constexpr int kBoxZ = 100;

private:
    void showList();
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void confirmJoin();
    void sendJoin(int eventId);
    void closeBox() {}
    void showBox(const std::string& message, bool yesNo);
    bool onStage() const;

    bool m_built = false;
    int m_askedEvent = 0;
    cocos2d::extension::UILayer* m_ui = nullptr;
    cocos2d::extension::CCTableView* m_table = nullptr;
    cocos2d::CCSprite* m_title = nullptr;
};
