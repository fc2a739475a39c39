// Scene 22, contest play: the single-player play scene's host contract for the question screens,
// with questions pushed by the server instead of fetched. The previous scene tells the contest: 23
// one-to-one (its own header with both players), 28 challenge, 26 team match and 29 exam (the
// single-player header). Team rounds and exams fetch their questions through the ordinary chain;
// an exam ends when its list is used up, a team round when the heartbeat says the match is over
// for the team.
//
// In one-to-one and challenge contests the clock is worked out from the time since the question
// appeared, not counted down tick by tick, so a long frame or a stalled window cannot give the
// player extra seconds the server does not give.
#pragma once

#include "contest/CHD_ResultLayer.h"
#include "quiz/CPlayLayer.h"

#include <json/value.h>

class CHD_PlayLayer : public CPlayLayer {
public:
    static cocos2d::CCScene* scene();
    static CHD_PlayLayer* create();
    ~CHD_PlayLayer() override;

    // The host contract.
    void refreshHeader() override;
    void showTip(const std::string& text) override;
    void startClock() override;
    void timePenalty() override;
    void onContestAnswer(int status) override;

    void update(float dt) override;
    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    // The back button and the back key ask whether to leave the contest.
    void openPauseMenu() override;

    // Every push of the heartbeat while this scene is on stage; true when it was handled here.
    bool onPush(const Json::Value& push);

    void confirmLeave();
    void cancelLeave();

    int questionCounter() const { return m_counter; }
    int questionTotal() const { return m_total; }
    cocos2d::CCLabelBMFont* counterLabel() const { return m_counterLabel; }
    cocos2d::CCLabelTTF* nameLabel(int side) const { return m_names[side]; }
    // The result dialog, once the result came (it may still wait behind the opponent-fled box).
    CHD_ResultLayer* resultDialog() const { return m_result; }

    static constexpr int kLayoutTag = 1000;
    static constexpr int kAnswerCoverTag = 1002;
    static constexpr int kOwnTitleTag = 1003;
    static constexpr int kOpponentTitleTag = 1004;
    static constexpr int kTrailTag = 1005;
    static constexpr int kBannerTag = 1006;
    static constexpr int kJoiningTag = 1007;
    static constexpr int kLeaveBoxTag = 1009;
    static constexpr int kExamNoResultTag = 1012;
    // After a verdict, the next question of a team round or exam comes this much later.
    static constexpr float kNextQuestionSeconds = 1.5f;
    static constexpr int kFleeBoxTag = 1010;
    static constexpr int kResultZ = 101;
    static constexpr int kBoxZ = 2000010;

private:
    bool oneToOne() const { return m_previous == 23; }
    bool teamMatch() const { return m_previous == 26; }
    bool exam() const { return m_previous == 29; }
    // Team rounds and exams ask for their questions one by one through the ordinary chain.
    bool chainPlay() const { return teamMatch() || exam(); }
    bool pushedQuestions() const { return m_previous == 23 || m_previous == 28; }
    int matchType() const;

    void buildOneToOne();
    void onBackButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void blinkJoining();
    void showCounter();
    void runTrail();
    void contestTimeOut();
    void pollQuestion(float dt);
    void addWaitingCover();
    void endQuestionDecorations();
    // Where option k of the shown question stands, in window coordinates; false when the screen
    // does not show it.
    bool optionShown(int k, cocos2d::CCPoint* at) const;
    // The same, with the text choice's places for a screen that shows its options otherwise.
    cocos2d::CCPoint optionPoint(int k) const;
    int optionIndexOf(const std::string& answer) const;

    void showOpponentMark(bool right, const std::string& answer);
    void showStillAnswering();
    void showResult(const Json::Value& push);
    void addResultDialog();
    void teamMatchOver();
    void onTeamResult(int code);
    // The next question of a team round or exam, or the exam's end once its list is used up.
    void continueChain();
    void examOver();
    void onExamResult(int code);
    void onExamResultFailed(int status);
    void showOwnResult(const ContestResult& own, int mode);
    void onLeaveAnswer(int code);
    void onLeaveFailed(int status);
    void leaveToHall();
    void showTeamCover(bool shown);

    int m_previous = -1;
    int m_counter = 0;
    int m_total = 5;
    double m_questionStart = 0;
    // Seconds taken off by penalties, so the worked-out clock keeps them.
    int m_penalty = 0;
    bool m_bannerShown = false;
    bool m_leaving = false;
    // The chain's next step came while the player was leaving; it is taken if he stays after all.
    bool m_chainHeld = false;
    bool m_examOver = false;
    cocos2d::CCLabelBMFont* m_counterLabel = nullptr;
    cocos2d::CCLabelTTF* m_names[2] = {};
    cocos2d::CCPoint m_clockAt;
    CHD_ResultLayer* m_result = nullptr;
};
