// The chain of single-player play: fetch the day's question ids, fetch one question, let the stage
// show it, send the player's answer, show the verdict, go on with the next id. Screens report the
// answer through submitAnswer; the host scene is QuestionStage's host.
//
// A qsid is answered at most once per process: a second answer for the same qsid (a second tap, or
// the time-out racing a tap) is dropped.
#pragma once

#include "cocos2d.h"

#include <json/value.h>

#include <functional>
#include <string>

class CQuestionMission : public cocos2d::CCObject {
public:
    static CQuestionMission* instance();

    // Begin or continue a run: the next id, or the list when there is none. The argument is ignored.
    void start(int unused = 0);
    // The answer to the question list; also used after the wall screen.
    void requestNextQuestion(int code);
    // Called by every question screen when the player commits, and with "-1" when the clock runs out.
    // count goes out only for picture play type 13.
    void submitAnswer(const std::string& answer, int count, int awardnum, int optionIndex);
    void MsgResponseQuestionData(int code);
    void onAnswerResult(int status);
    void showAnswerFeedback();
    // Cancel of the option dialog: no option link, then the verdict.
    void skipAdOption();
    // Status handler of the chain's requests: NetManager shows its own box; nothing is resent.
    void onRequestFailed(int status);

    // The contest mission takes answers meant for a contest: it gets {"qsid", "answer"} first and
    // returns true when it took the answer.
    using ContestOffer = std::function<bool(const Json::Value& answer)>;
    void setContestOffer(ContestOffer offer) { m_contestOffer = std::move(offer); }

    bool wallShown() const { return m_wallShown; }
    void setWallShown(bool shown) { m_wallShown = shown; }
    int lastSubmittedQsid() const { return m_lastSubmittedQsid; }
    // 0 "success", 1 "fail", 2 "nostart", 3 anything else.
    int answerStatus() const { return m_answerStatus; }
    // True while a team round or an exam is played through this chain (contest requests, no walls,
    // no answer box: the contest play scene marks the answer and goes on).
    bool competition() const { return m_competition; }

    // Back to the state of process start (tests).
    void resetForTesting();

    static constexpr int kPrizeIconTag = 2014;
    static constexpr int kPrizeLabelTag = 2015;
    static constexpr int kWaitingCoverTag = 1011;
    static constexpr int kOptionDialogTag = 199005;

private:
    CQuestionMission() = default;
    int takeNextId();
    bool wallCheck();
    void updateCompetition();
    void showPrize();
    void showAnswerOver();
    void showWaitingCover();
    void backToMain();
    void openRegistration();
    void nextQuestion();

    bool m_wallShown = false;
    int m_lastSubmittedQsid = -1;
    int m_answerStatus = 3;
    bool m_competition = false;
    ContestOffer m_contestOffer;
};
