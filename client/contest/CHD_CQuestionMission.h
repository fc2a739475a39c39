// The question source of one-to-one and challenge contests. The server pushes every question to
// both players at once; they wait in QuizData's queue until the play scene's poll shows them, and
// the player's answer goes back with the time it took. The verdict comes back as the answer to
// that request (or as a push of the same form).
//
// Time is counted by the engine: the mission adds up every frame's dt while the play scene is on
// stage, so a long frame counts as the time it really took and the manual clock of the tests
// moves it too.
#pragma once

#include "cocos2d.h"

#include <json/value.h>

class CHD_CQuestionMission : public cocos2d::CCObject {
public:
    static CHD_CQuestionMission* instance();
    // Hooks the mission into the heartbeat's question pushes and the ordinary mission's answers.
    // Again is harmless.
    static void install();

    // A pushed question: parsed like a single-player one, plus its "qsid" and "flag", then queued.
    void MsgResponseQuestionData(const Json::Value& v);
    // Takes {"qsid", "answer"} when a one-to-one or challenge contest is being played.
    bool offerAnswer(const Json::Value& answer);
    // The play scene's poll: shows the oldest queued question, if any.
    void showNextQuestion();
    // The verdict on the player's answer (answer status 0 right, 1 wrong, 2 not started, 3 other).
    void onAnswerVerdict(int status);
    void onRequestFailed(int status);

    // Seconds counted by the engine's frames since timing began.
    double now() const { return m_clock; }
    // The play scene counts time while it is on stage.
    void startTiming();
    void stopTiming();
    void update(float dt) override;

    int lastSubmittedQsid() const { return m_lastSubmittedQsid; }
    double shownAt() const { return m_shownAt; }
    // The seconds an answer given now would report (one decimal, 0.01 to 40.0).
    double spendTime() const;

    // Back to the state of process start (tests).
    void resetForTesting();

    static constexpr int kWaitingCoverTag = 4000401;
    static constexpr int kWaitingCoverZ = 2000000;

private:
    CHD_CQuestionMission() = default;

    int m_lastSubmittedQsid = -1;
    double m_shownAt = 0;
    double m_clock = 0;
};
