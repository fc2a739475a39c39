// Scene 5, the daily sign-in: this month's calendar with the signed days, the streak, the sign-in
// button and the once-a-day lucky draw, revealed by the mascot's animation. The server decides the
// month, the marks and every reward; the screen only shows them.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CCalendar;
struct SignAward;

class CSignLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CSignLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    void onExit() override;

    void signToday();
    void drawLuck();
    void showExplain();

    void onSignData(int code);
    void onSignDone(int code);
    void onLuckData(int code);
    void onLuckDone(int code);
    // Exchange failures are reported by the server link; these only allow asking again.
    void onSignFailed(int status);
    void onLuckFailed(int status);
    void onRequestFailed(int) {}
    void onRevealEvent(cocos2d::extension::CCArmature* armature, cocos2d::extension::MovementEventType type,
                       const char* movement);

    // The award line: "+N" for score carrots, "X1.5倍" for a multiplier, "" for a kind we do not know.
    static std::string awardText(const SignAward& award);

    cocos2d::extension::UIWidget* widget(const char* name) const;
    CCalendar* calendar() const { return m_calendar; }
    cocos2d::CCLabelBMFont* scoreLabel() const { return m_score; }
    cocos2d::CCLabelBMFont* moneyLabel() const { return m_money; }
    cocos2d::CCLabelBMFont* streakLabel() const { return m_streak; }
    cocos2d::CCLabelBMFont* luckLabel() const { return m_luckLabel; }
    cocos2d::CCLabelBMFont* awardLabel() const { return m_awardLabel; }
    cocos2d::CCSprite* awardCarrot() const { return m_awardCarrot; }
    cocos2d::CCSprite* streakWord() const { return m_continueWord; }
    cocos2d::CCSprite* dayWord() const { return m_dayWord; }
    bool signedToday() const { return m_signedToday; }
    bool drawRunning() const { return m_drawRunning; }

    static constexpr int kRevealTag = 100;
    static constexpr int kRevealZ = 90;
    static constexpr int kBoxZ = 99;
    static constexpr int kGuideZ = 1200;
    static constexpr int kIndicatorZ = 95;
    // The reveal ends by itself after this long even when the animation never reports its end.
    static constexpr float kRevealLimitSeconds = 6.0f;

private:
    void build();
    void wireButton(const char* name, cocos2d::extension::SEL_TouchEvent handler);
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onSignButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onLuckyButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onExplainButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void applySignRecord();
    void redrawStreak();
    void setLuckAvailable(bool available);
    void showAward();
    void startReveal();
    void finishReveal();
    void revealTimedOut(float);
    void flyIndicator(int amount, int kind, cocos2d::CCLabelBMFont* target, const cocos2d::CCPoint& at);
    void showBox(const std::string& message);

    bool m_built = false;
    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    cocos2d::extension::UIWidget* m_backButton = nullptr;
    cocos2d::extension::UIWidget* m_signButton = nullptr;
    cocos2d::extension::UIWidget* m_luckyButton = nullptr;
    cocos2d::extension::UIWidget* m_explainButton = nullptr;
    cocos2d::CCLabelBMFont* m_score = nullptr;
    cocos2d::CCLabelBMFont* m_money = nullptr;
    cocos2d::CCLabelBMFont* m_streak = nullptr;
    cocos2d::CCLabelBMFont* m_luckLabel = nullptr;
    cocos2d::CCLabelBMFont* m_awardLabel = nullptr;
    cocos2d::CCSprite* m_awardCarrot = nullptr;
    cocos2d::CCSprite* m_continueWord = nullptr;
    cocos2d::CCSprite* m_dayWord = nullptr;
    CCalendar* m_calendar = nullptr;
    cocos2d::extension::CCArmature* m_reveal = nullptr;
    bool m_signedToday = false;
    bool m_drawRunning = false;
    bool m_drawAsked = false;
    bool m_revealDone = false;
    bool m_signAsked = false;
    bool m_haveSignRecord = false;
};
