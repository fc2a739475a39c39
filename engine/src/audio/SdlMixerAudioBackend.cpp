#include "SdlMixerAudioBackend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

#include "base/CCConsole.h"

namespace CocosDenshion {

namespace {
constexpr int kEffectChannels = 32;

int mixerVolume(float volume) { return static_cast<int>(std::clamp(volume, 0.f, 1.f) * MIX_MAX_VOLUME + 0.5f); }
} // namespace

SdlMixerAudioBackend* SdlMixerAudioBackend::open()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        cocos2d::CCLog("audio: SDL audio unavailable (%s), running silent", SDL_GetError());
        return nullptr;
    }
    int wanted = MIX_INIT_MP3 | MIX_INIT_OGG;
    int got = Mix_Init(wanted);
    if (!(got & MIX_INIT_MP3))
        cocos2d::CCLog("audio: no MP3 decoder in SDL_mixer (%s)", Mix_GetError());
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        cocos2d::CCLog("audio: cannot open the audio device (%s), running silent", Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(kEffectChannels);
    auto* backend = new SdlMixerAudioBackend();
    backend->m_open = true;
    return backend;
}

SdlMixerAudioBackend::~SdlMixerAudioBackend() { shutdown(); }

bool SdlMixerAudioBackend::playMusic(const std::string& path, bool loop)
{
    stopMusic();
    m_music = Mix_LoadMUS(path.c_str());
    if (!m_music) {
        cocos2d::CCLog("audio: cannot open music \"%s\": %s", path.c_str(), Mix_GetError());
        return false;
    }
    if (Mix_PlayMusic(m_music, loop ? -1 : 1) != 0) {
        cocos2d::CCLog("audio: cannot play music \"%s\": %s", path.c_str(), Mix_GetError());
        return false;
    }
    return true;
}

void SdlMixerAudioBackend::stopMusic()
{
    if (!m_music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(m_music);
    m_music = nullptr;
}

void SdlMixerAudioBackend::pauseMusic() { Mix_PauseMusic(); }
void SdlMixerAudioBackend::resumeMusic() { Mix_ResumeMusic(); }

void SdlMixerAudioBackend::rewindMusic()
{
    if (m_music)
        Mix_RewindMusic();
}

bool SdlMixerAudioBackend::isMusicActive() const { return m_music && Mix_PlayingMusic(); }

void SdlMixerAudioBackend::setMusicVolume(float volume) { Mix_VolumeMusic(mixerVolume(volume)); }

bool SdlMixerAudioBackend::loadEffect(unsigned int id, const std::string& path)
{
    if (m_effects.count(id))
        return true;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) {
        cocos2d::CCLog("audio: cannot open effect \"%s\": %s", path.c_str(), Mix_GetError());
        return false;
    }
    m_effects[id] = Effect{chunk, -1};
    return true;
}

bool SdlMixerAudioBackend::owns(const Effect& effect) const
{
    return effect.channel >= 0 && Mix_GetChunk(effect.channel) == effect.chunk && Mix_Playing(effect.channel);
}

void SdlMixerAudioBackend::unloadEffect(unsigned int id)
{
    auto it = m_effects.find(id);
    if (it == m_effects.end())
        return;
    if (owns(it->second))
        Mix_HaltChannel(it->second.channel);
    Mix_FreeChunk(it->second.chunk);
    m_effects.erase(it);
}

bool SdlMixerAudioBackend::playEffect(unsigned int id, const std::string& path, bool loop)
{
    if (!loadEffect(id, path))
        return false;
    Effect& effect = m_effects[id];
    // One player per file: a replay restarts instead of overlapping.
    if (owns(effect))
        Mix_HaltChannel(effect.channel);
    effect.channel = Mix_PlayChannel(-1, effect.chunk, loop ? -1 : 0);
    if (effect.channel < 0)
        return false;
    Mix_Volume(effect.channel, m_effectsVolume);
    return true;
}

void SdlMixerAudioBackend::stopEffect(unsigned int id)
{
    auto it = m_effects.find(id);
    if (it != m_effects.end() && owns(it->second))
        Mix_HaltChannel(it->second.channel);
}

void SdlMixerAudioBackend::pauseEffect(unsigned int id)
{
    auto it = m_effects.find(id);
    if (it != m_effects.end() && owns(it->second))
        Mix_Pause(it->second.channel);
}

void SdlMixerAudioBackend::resumeEffect(unsigned int id)
{
    auto it = m_effects.find(id);
    if (it != m_effects.end() && owns(it->second))
        Mix_Resume(it->second.channel);
}

void SdlMixerAudioBackend::setEffectsVolume(float volume)
{
    m_effectsVolume = mixerVolume(volume);
    Mix_Volume(-1, m_effectsVolume);
}

void SdlMixerAudioBackend::shutdown()
{
    if (!m_open)
        return;
    stopMusic();
    Mix_HaltChannel(-1);
    for (auto& [id, effect] : m_effects)
        Mix_FreeChunk(effect.chunk);
    m_effects.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_open = false;
}

} // namespace CocosDenshion
