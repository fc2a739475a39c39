// Test back end: remembers every call with its file name and the volumes in force, plays nothing.
#pragma once

#include <string>
#include <vector>

#include "audio/AudioBackend.h"

namespace CocosDenshion {

struct AudioCall {
    std::string op;   // "playMusic", "stopMusic", "playEffect", "setMusicVolume", ...
    std::string file; // resolved path, empty when the call has none
    unsigned int id = 0;
    bool loop = false;
    float volume = 0.f; // the argument of the volume calls
};

class RecordingAudioBackend : public AudioBackend {
public:
    const char* name() const override { return "recording"; }
    bool playMusic(const std::string& path, bool loop) override;
    void stopMusic() override;
    void pauseMusic() override;
    void resumeMusic() override;
    void rewindMusic() override;
    bool isMusicActive() const override { return m_musicActive; }
    void setMusicVolume(float volume) override;
    bool loadEffect(unsigned int id, const std::string& path) override;
    void unloadEffect(unsigned int id) override;
    bool playEffect(unsigned int id, const std::string& path, bool loop) override;
    void stopEffect(unsigned int id) override;
    void pauseEffect(unsigned int id) override;
    void resumeEffect(unsigned int id) override;
    void setEffectsVolume(float volume) override;
    void shutdown() override;

    const std::vector<AudioCall>& calls() const { return m_calls; }
    // Calls with this op, in order.
    std::vector<AudioCall> callsNamed(const std::string& op) const;
    void clear() { m_calls.clear(); }
    float musicVolume() const { return m_musicVolume; }
    float effectsVolume() const { return m_effectsVolume; }
    // Lets a test pretend a non-looping music stream ran out.
    void finishMusic() { m_musicActive = false; }

private:
    void record(const char* op, const std::string& file = {}, unsigned int id = 0, bool loop = false,
                float volume = 0.f);

    std::vector<AudioCall> m_calls;
    bool m_musicActive = false;
    float m_musicVolume = 1.f;
    float m_effectsVolume = 1.f;
};

} // namespace CocosDenshion
