// The video window of the video questions: FFmpeg decodes the file into a picture drawn above the
// scene at the popup's place (57, 250 from the window's top left, 510 x 287). One at a time.
#pragma once

#include "app/VideoPlayer.h"

#include "cocos2d.h"

#include <string>

class FfmpegVideoPlayer : public VideoPlayer {
public:
    FfmpegVideoPlayer();
    ~FfmpegVideoPlayer() override;

    void playVideo(const std::string& path) override;
    void pauseVideo(bool pause) override;
    void stopVideo() override;
    bool hasPlayer() const override;
    bool canShowFilm() const override { return hasGraph(); }

    // The picture node while a player exists (tests look at it).
    cocos2d::CCSprite* picture() const;
    // Whether the file could be opened and decoded.
    bool hasGraph() const;
    bool isPaused() const;
    // Frames shown so far.
    int framesShown() const;

    static constexpr float kLeft = 57, kTop = 250, kWidth = 510, kHeight = 287;

private:
    class Session;
    Session* m_session = nullptr; // reference-counted: the scheduler holds it too
};
