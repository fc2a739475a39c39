// Scene 21, the contest hall: the four competitions with their schedule lines, and the way into
// each. Guests are sent to registration and players not logged in to the user screen first.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

class CCountDownLabel;

class CCHD_Mainlayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CCHD_Mainlayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void keyBackClicked() override;

    void onSchedule(int code);
    void onRequestFailed(int) {}

    cocos2d::extension::UIWidget* widget(const char* name) const;
    // The countdown of match type 2, 3 or 4; null until the schedule answered.
    CCountDownLabel* countdown(int matchType) const;
    cocos2d::CCLabelBMFont* openLine() const { return m_openLine; }
    int doublesOpen() const { return m_doublesOpen; }

private:
    void wireButtons();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void enterDoubles();
    void enterChallenge();
    void enterExam();
    void goSoonDestination();
    void goMain();
    void goRegister();
    void goUserScreen();
    int stateOf(int matchType) const;
    cocos2d::CCPoint lineSpot(const char* buttonName) const;

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    CCountDownLabel* m_countdowns[3] = {nullptr, nullptr, nullptr};
    cocos2d::CCLabelBMFont* m_openLine = nullptr;
    int m_doublesOpen = 1;
};
