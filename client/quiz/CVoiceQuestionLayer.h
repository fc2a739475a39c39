// The common part of the two voice screens: the clip plays once on the music channel, with a play
// and a pause button; the buttons swap back by themselves when the clip has ended.
#pragma once

#include "quiz/CMediaQuestionLayer.h"

class CVoiceQuestionLayer : public CMediaQuestionLayer {
public:
    void onExit() override;

    void onPlay(cocos2d::CCObject* sender);
    void onPause(cocos2d::CCObject* sender);

    cocos2d::CCMenuItemSprite* playButton() const { return m_play; }
    cocos2d::CCMenuItemSprite* pauseButton() const { return m_pause; }
    // This screen's clip is on the music channel.
    bool isClipPlaying() const { return m_clipPlaying; }

    // How often the screen looks whether the clip has ended.
    static constexpr float kCheckSeconds = 0.1f;

protected:
    // Starts the question over: a clip of the previous question is silenced and forgotten.
    void resetVoice();
    // The play and pause buttons in one menu (z 1); at first the pause button shows.
    void addButtons(float scale, const cocos2d::CCPoint& at);
    void playMedia(const std::string& path) override;
    void beforeAnswer() override;

private:
    void startClip();
    void checkClip(float dt);
    void showPlaying(bool playing);
    void stopClip();

    cocos2d::CCMenuItemSprite* m_play = nullptr;
    cocos2d::CCMenuItemSprite* m_pause = nullptr;
    std::string m_clipPath;
    bool m_clipPlaying = false;
};
