// Keeps the state a real back end would have but makes no sound: used where no audio device exists
// (SDL_AUDIODRIVER=dummy, CI) or when the device cannot be opened.
#pragma once

#include <set>

#include "audio/AudioBackend.h"

namespace CocosDenshion {

class SilentAudioBackend : public AudioBackend {
public:
    const char* name() const override { return "silent"; }
    bool playMusic(const std::string&, bool) override { m_musicActive = true; return true; }
    void stopMusic() override { m_musicActive = false; }
    void pauseMusic() override {}
    void resumeMusic() override {}
    void rewindMusic() override {}
    bool isMusicActive() const override { return m_musicActive; }
    void setMusicVolume(float) override {}
    bool loadEffect(unsigned int id, const std::string&) override { m_loaded.insert(id); return true; }
    void unloadEffect(unsigned int id) override { m_loaded.erase(id); }
    bool playEffect(unsigned int id, const std::string&, bool) override { m_loaded.insert(id); return true; }
    void stopEffect(unsigned int) override {}
    void pauseEffect(unsigned int) override {}
    void resumeEffect(unsigned int) override {}
    void setEffectsVolume(float) override {}
    void shutdown() override { m_musicActive = false; m_loaded.clear(); }

private:
    bool m_musicActive = false;
    std::set<unsigned int> m_loaded;
};

} // namespace CocosDenshion
