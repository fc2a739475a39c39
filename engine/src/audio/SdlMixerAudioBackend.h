// SDL2_mixer back end: music as a Mix_Music stream, one Mix_Chunk per effect id on its own channel.
#pragma once

#include <map>

#include "audio/AudioBackend.h"

struct _Mix_Music;
struct Mix_Chunk;

namespace CocosDenshion {

class SdlMixerAudioBackend : public AudioBackend {
public:
    // Null when the device cannot be opened; the caller then falls back to the silent back end.
    static SdlMixerAudioBackend* open();
    ~SdlMixerAudioBackend() override;

    const char* name() const override { return "sdl_mixer"; }
    bool playMusic(const std::string& path, bool loop) override;
    void stopMusic() override;
    void pauseMusic() override;
    void resumeMusic() override;
    void rewindMusic() override;
    bool isMusicActive() const override;
    void setMusicVolume(float volume) override;
    bool loadEffect(unsigned int id, const std::string& path) override;
    void unloadEffect(unsigned int id) override;
    bool playEffect(unsigned int id, const std::string& path, bool loop) override;
    void stopEffect(unsigned int id) override;
    void pauseEffect(unsigned int id) override;
    void resumeEffect(unsigned int id) override;
    void setEffectsVolume(float volume) override;
    void shutdown() override;

private:
    SdlMixerAudioBackend() = default;
    struct Effect {
        Mix_Chunk* chunk = nullptr;
        int channel = -1; // channel it last played on, -1 when none
    };
    // The channel still belongs to this effect only while it plays this chunk.
    bool owns(const Effect& effect) const;

    _Mix_Music* m_music = nullptr;
    std::map<unsigned int, Effect> m_effects;
    int m_effectsVolume = 128;
    bool m_open = false;
};

} // namespace CocosDenshion
