// CocosDenshion's SimpleAudioEngine (cocos2d-x 2.2 names and signatures) over a replaceable back end.
//
// File names are resolved through CCFileUtils' search paths. Effect ids are a case-insensitive hash
// of the name as given, so one file always has one id; replaying a playing effect restarts it.
// Volumes (0..1) really apply: music at volume 0 is silent.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "audio/AudioBackend.h"

namespace CocosDenshion {

class SimpleAudioEngine {
public:
    static SimpleAudioEngine* sharedEngine();
    // Closes the music and every effect and drops the shared engine.
    static void end();

    void preloadBackgroundMusic(const char* filePath);
    void playBackgroundMusic(const char* filePath, bool loop = false);
    void stopBackgroundMusic(bool releaseData = false);
    void pauseBackgroundMusic();
    void resumeBackgroundMusic();
    void rewindBackgroundMusic();
    bool willPlayBackgroundMusic();
    bool isBackgroundMusicPlaying();
    float getBackgroundMusicVolume();
    void setBackgroundMusicVolume(float volume);

    float getEffectsVolume();
    void setEffectsVolume(float volume);
    unsigned int playEffect(const char* filePath, bool loop = false);
    void pauseEffect(unsigned int soundId);
    void pauseAllEffects();
    void resumeEffect(unsigned int soundId);
    void resumeAllEffects();
    void stopEffect(unsigned int soundId);
    void stopAllEffects();
    void preloadEffect(const char* filePath);
    void unloadEffect(const char* filePath);

    // Our additions: swap the back end (tests install a RecordingAudioBackend). The engine owns it.
    // Current volumes are handed to the new back end at once.
    void setBackend(std::unique_ptr<AudioBackend> backend);
    AudioBackend* backend();
    // The id playEffect gives a file name.
    static unsigned int effectId(const char* filePath);

private:
    SimpleAudioEngine() = default;
    ~SimpleAudioEngine();
    void ensureBackend();
    static std::string resolve(const char* filePath);

    std::unique_ptr<AudioBackend> m_backend;
    std::string m_musicFile;
    bool m_musicPlaying = false;
    bool m_musicPaused = false;
    float m_musicVolume = 1.f;
    float m_effectsVolume = 1.f;
    std::map<unsigned int, std::string> m_effects; // id -> resolved path of loaded effects
};

} // namespace CocosDenshion
