// Scene 3, single-player play: the player's header, the 40-second clock of each question, the tip
// line, the question screens (hosted for QuestionStage) and the pause menu. Starts the question
// chain of CQuestionMission when it enters and answers "-1" for the player when the clock runs out.
//
// The contest play scene derives from this class and overrides several of the virtual operations
// declared below; their order after those of CCLayer is fixed: refreshHeader, showTip,
// showQuestionList, startClock, timePenalty, stopClock, onContestAnswer.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "extensions/CCIMEDelegate.h"
#include "widgets/listView.h"

#include <string>

class CPlayLayer : public cocos2d::CCLayer, public listViewDelegateProtocol, public cocos2d::CCIMEDelegate {
public:
    static cocos2d::CCScene* scene();
    static CPlayLayer* create();

    // The host contract, in slot order.
    virtual void refreshHeader();
    virtual void showTip(const std::string& text);
    virtual void showQuestionList(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType event);
    virtual void startClock();
    // Takes 6 seconds off the clock, not below 0.
    virtual void timePenalty();
    virtual void stopClock();
    // The contest scene's handler of an answer verdict; nothing to do in single play.
    virtual void onContestAnswer(int status);

    void update(float dt) override;
    bool init() override;
    void onEnter() override;
    void onEnterTransitionDidFinish() override;
    void onExit() override;
    void keyBackClicked() override;
    // Touches fall through to the question screens.
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    void onListChosen(int mode, std::string chosen) override;
    void onQuestionChosen(int mode, std::string chosen) override;

    // The pause menu and its buttons (also reached by the back key). "GoOnGame" restarts the clock
    // only when it was running as the menu opened. The contest scene asks to leave instead.
    virtual void openPauseMenu();
    void resumePlay();
    void backToMain();
    void openStore();
    void share();

    int remaining() const { return m_remaining; }
    bool isRunning() const { return m_running; }
    bool hasTimedOut() const { return m_timedOut; }
    bool lowTimeFlag() const { return m_lowTimeFlag; }
    cocos2d::CCLabelBMFont* clockLabel() const { return m_clockLabel; }
    cocos2d::CCLabelBMFont* scoreLabel() const { return m_scoreLabel; }
    cocos2d::CCLabelBMFont* moneyLabel() const { return m_moneyLabel; }
    cocos2d::CCLabelBMFont* answeredLabel() const { return m_answeredLabel; }
    cocos2d::CCLabelTTF* tipLabel() const { return m_tipLabel; }
    cocos2d::extension::UILayer* pauseLayout() const { return m_pauseLayout; }
    cocos2d::extension::UIWidget* backButton() const { return m_backButton; }

    // Tags other screens rely on.
    static constexpr int kPauseTag = 100;
    static constexpr int kQuestionPickerTag = 1135;
    static constexpr int kClockSeconds = 40;

protected:
    static constexpr int kWarningSeconds = 10;
    static constexpr int kLowTimeSeconds = 5;
    static constexpr int kPenaltySeconds = 6;

    // A "NumFont.fnt" number; logged (and null) when the font cannot be read.
    static cocos2d::CCLabelBMFont* numberLabel(const std::string& value);
    // Shows remaining on the clock label (never below 0).
    void showRemaining();
    // A new question: the full time, shown at once and white again.
    void resetClock();
    // Unschedules the tick; the contest scene's ticks and results stop it the same way.
    void stopTicking();
    // The clock hit 0 after the time-out was sent: it rests on 0 and stops.
    void endRun();
    // Marks the shown question timed out and stops the tick; false when no question is shown.
    bool lockTimedOutQuestion();
    void timeOut();
    // The last ten seconds: the "Carrot.mp3" tick and the clock's red pulse.
    void warnLowTime();
    // "play.ExportJson" with its back button, the header and the tip line (the contest scene's
    // challenge and team layouts are the same).
    void buildScreen();

    cocos2d::CCLabelBMFont* m_scoreLabel = nullptr;
    cocos2d::CCLabelBMFont* m_moneyLabel = nullptr;
    cocos2d::CCLabelBMFont* m_clockLabel = nullptr;
    cocos2d::CCLabelBMFont* m_answeredLabel = nullptr;
    int m_remaining = kClockSeconds;
    bool m_running = false;
    bool m_timedOut = false;
    bool m_lowTimeFlag = false;
    cocos2d::CCLabelTTF* m_tipLabel = nullptr;
    cocos2d::extension::UILayer* m_pauseLayout = nullptr;
    listView* m_questionPicker = nullptr;
    cocos2d::extension::UIWidget* m_backButton = nullptr;
    cocos2d::extension::UILayer* m_layout = nullptr;
    // Whether the tick is scheduled (the engine does not say).
    bool m_ticking = false;

private:
    void buildHeader();
    void startOrAsk();
    void startRun();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onPauseButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void closePauseMenu();
    void resumeAfterPause();
    void confirmBackToContest();
    void openUserInfo();
    void openRegistration();
    void saveScreenshot();

    bool m_resumeClock = false;
    int m_contestScene = -1;
    std::string m_shareText;
};
