// The common part of the two video screens: the film plays in the platform's video window, which
// hides while the screen is locked and while the pause menu is open over it (the play scene hides
// and shows it with its menu), and closes when the player answers or the screen goes.
#pragma once

#include "quiz/CMediaQuestionLayer.h"

class VideoPlayer;

class CVideoQuestionLayer : public CMediaQuestionLayer {
public:
    void setAnswered(bool answered) override;
    void onExit() override;

protected:
    // Starts the question over: the previous question's film closes.
    void resetVideo();
    void playMedia(const std::string& path) override;
    void beforeAnswer() override;

private:
    static VideoPlayer& player();
    // The window floats above the whole scene; it stays hidden while the pause menu is up.
    static bool pauseMenuOpen();
};
