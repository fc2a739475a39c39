// One video at a time, shown in a small window over the game.
#pragma once

#include <string>

class VideoPlayer {
public:
    virtual ~VideoPlayer() = default;
    // Stops a running video first, so two calls leave one player.
    virtual void playVideo(const std::string& path) = 0;
    // true pauses and hides, false shows and resumes. Nothing without a player.
    virtual void pauseVideo(bool pause) = 0;
    virtual void stopVideo() = 0;
    virtual bool hasPlayer() const = 0;
    // Whether the player has a film to show: false when the file could not be opened or holds no
    // picture. A player that cannot tell answers as hasPlayer.
    virtual bool canShowFilm() const { return hasPlayer(); }
};
