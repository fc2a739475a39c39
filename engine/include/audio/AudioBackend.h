// The seam between SimpleAudioEngine and whatever makes sound.
//
// The engine keeps the game-facing state (which file is the music, effect ids, volumes); a back end
// only opens, plays and stops. Paths handed to a back end are already resolved through the search
// paths. Volumes are 0..1 and must really apply (the game mutes music by setting volume 0).
#pragma once

#include <string>

namespace CocosDenshion {

class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    virtual const char* name() const = 0;

    // Music: one stream at a time; playMusic replaces whatever was playing.
    virtual bool playMusic(const std::string& path, bool loop) = 0;
    virtual void stopMusic() = 0;
    virtual void pauseMusic() = 0;
    virtual void resumeMusic() = 0;
    virtual void rewindMusic() = 0;
    // False once a non-looping stream has run out.
    virtual bool isMusicActive() const = 0;
    virtual void setMusicVolume(float volume) = 0;

    // Effects are addressed by the engine's id; one player per id (a replay restarts it).
    virtual bool loadEffect(unsigned int id, const std::string& path) = 0;
    virtual void unloadEffect(unsigned int id) = 0;
    virtual bool playEffect(unsigned int id, const std::string& path, bool loop) = 0;
    virtual void stopEffect(unsigned int id) = 0;
    virtual void pauseEffect(unsigned int id) = 0;
    virtual void resumeEffect(unsigned int id) = 0;
    virtual void setEffectsVolume(float volume) = 0;

    virtual void shutdown() = 0;
};

} // namespace CocosDenshion
