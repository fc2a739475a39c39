// The common part of the voice and video screens: the question's clip is fetched from the game
// server while the clock waits, then handed to the screen to play; answers go out through one path
// that lets the screen silence its clip first.
//
// A clip that fails to download, or that nobody answers for within kGiveUpSeconds (no network, no
// session), does not hold the question: the cover goes and the clock runs, so the question always
// ends. A clip that arrives after the give-up still plays, unless the question was answered.
#pragma once

#include "quiz/CQuestionLayer.h"
#include "quiz/QuestionRecord.h"

#include <string>

class CFillCellLayer;
class CMediaFetch;
class fillCellLayerDelegate;

class CMediaQuestionLayer : public CQuestionLayer {
public:
    ~CMediaQuestionLayer() override;
    void onExit() override;

    // The clock is still waiting for the clip.
    bool isWaitingForMedia() const { return m_waiting; }
    // The current question's clip name ("music" or "video").
    const std::string& mediaName() const { return m_media; }
    bool hasSentAnswer() const { return m_sent; }
    // The choose screens' option presenters' callback: the option's text goes out as the answer.
    void onOption(int k);

    static constexpr int kCoverTag = 1001;
    static constexpr int kCoverZ = 1;
    // Past the 20 s one exchange may take.
    static constexpr float kGiveUpSeconds = 25;

protected:
    enum class Cover { No, Yes };

    // The current question, or null.
    static const QuestionRecord* question();
    // The clip of the current question, or null when the question is no media question.
    static const MediaQuestion* media();

    // For the choose screens: all options at once (seltype 0) or one at a time (seltype 1), in the
    // presenters' layouts, each picked option going to onOption.
    void addOptions(const QuestionRecord& current, int menuLayout, int oneByOneLayout);
    // For the write screens: the question's text goes to the tip (the clip alone does not say what
    // to write), and cells for the clip's answer length over the first answer's candidates are
    // added, `answers` hearing the finished word. Null when the cells are refused.
    CFillCellLayer* addAnswerCells(const QuestionRecord& current, fillCellLayerDelegate* answers, int layout,
                                   int columns);
    // Forgets the previous question's wait and answer (start of showQuestion).
    void resetMedia();
    // Stops the clock and fetches the current question's clip, or takes it from disk when an
    // earlier question fetched it already.
    void fetchMedia(Cover cover);
    // The clip is on disk: start it. Not called once the question has been answered.
    virtual void playMedia(const std::string& path) = 0;
    // Runs right before an answer goes out.
    virtual void beforeAnswer() {}
    // Sends the answer once per question; nothing while the screen is locked.
    void sendAnswer(const std::string& answer, int optionIndex);
    // Answered by this screen, locked by the mission, or timed out by the play scene.
    bool questionIsOver();

private:
    friend class CMediaFetch;
    // The fetch's answer: the path on disk, "" when the clip did not arrive.
    void mediaReady(const std::string& path);
    void dropFetch();
    void stopWaiting();
    void startClockOnce();
    void giveUp(float dt);

    std::string m_media;
    // The request still out for the current clip. It, not the screen, hears the answer, so an
    // answer for the previous question of a reused screen cannot pass for the current one.
    CMediaFetch* m_fetch = nullptr;
    bool m_waiting = false;
    bool m_clockStarted = false;
    bool m_sent = false;
};
