#include "SimpleAudioEngine.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "SdlMixerAudioBackend.h"
#include "audio/SilentAudioBackend.h"
#include "support/CCFileUtils.h"

namespace CocosDenshion {

namespace {
SimpleAudioEngine* s_engine = nullptr;

// The dummy driver exists to run without sound (CI); opening a mixer on it only burns a thread.
bool audioDisabledByEnvironment()
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    return driver && std::strcmp(driver, "dummy") == 0;
}
} // namespace

SimpleAudioEngine* SimpleAudioEngine::sharedEngine()
{
    if (!s_engine)
        s_engine = new SimpleAudioEngine();
    return s_engine;
}

void SimpleAudioEngine::end()
{
    if (!s_engine)
        return;
    delete s_engine;
    s_engine = nullptr;
}

SimpleAudioEngine::~SimpleAudioEngine()
{
    if (m_backend)
        m_backend->shutdown();
}

void SimpleAudioEngine::ensureBackend()
{
    if (m_backend)
        return;
    AudioBackend* chosen = audioDisabledByEnvironment() ? nullptr : SdlMixerAudioBackend::open();
    if (!chosen)
        chosen = new SilentAudioBackend();
    setBackend(std::unique_ptr<AudioBackend>(chosen));
}

void SimpleAudioEngine::setBackend(std::unique_ptr<AudioBackend> backend)
{
    if (m_backend)
        m_backend->shutdown();
    m_backend = std::move(backend);
    m_effects.clear();
    m_musicPlaying = false;
    m_musicPaused = false;
    if (m_backend) {
        m_backend->setMusicVolume(m_musicVolume);
        m_backend->setEffectsVolume(m_effectsVolume);
    }
}

AudioBackend* SimpleAudioEngine::backend()
{
    ensureBackend();
    return m_backend.get();
}

std::string SimpleAudioEngine::resolve(const char* filePath)
{
    if (!filePath || !*filePath)
        return {};
    return cocos2d::CCFileUtils::sharedFileUtils()->fullPathForFilename(filePath);
}

unsigned int SimpleAudioEngine::effectId(const char* filePath)
{
    unsigned int hash = 0;
    for (const char* c = filePath ? filePath : ""; *c; ++c)
        hash = (hash * 16777619u) ^ static_cast<unsigned int>(std::toupper(static_cast<unsigned char>(*c)));
    return hash;
}

void SimpleAudioEngine::preloadBackgroundMusic(const char*) {}

void SimpleAudioEngine::playBackgroundMusic(const char* filePath, bool loop)
{
    ensureBackend();
    std::string path = resolve(filePath);
    if (path.empty())
        return;
    m_musicFile = path;
    m_musicPaused = false;
    m_musicPlaying = m_backend->playMusic(path, loop);
}

void SimpleAudioEngine::stopBackgroundMusic(bool)
{
    ensureBackend();
    m_backend->stopMusic();
    m_musicPlaying = false;
    m_musicPaused = false;
}

void SimpleAudioEngine::pauseBackgroundMusic()
{
    ensureBackend();
    if (!m_musicPlaying)
        return;
    m_backend->pauseMusic();
    m_musicPaused = true;
}

void SimpleAudioEngine::resumeBackgroundMusic()
{
    ensureBackend();
    if (!m_musicPaused)
        return;
    m_backend->resumeMusic();
    m_musicPaused = false;
}

void SimpleAudioEngine::rewindBackgroundMusic()
{
    ensureBackend();
    if (m_musicPlaying)
        m_backend->rewindMusic();
}

bool SimpleAudioEngine::willPlayBackgroundMusic() { return false; }

bool SimpleAudioEngine::isBackgroundMusicPlaying()
{
    ensureBackend();
    if (m_musicPlaying && !m_backend->isMusicActive())
        m_musicPlaying = false; // a non-looping stream ran out
    return m_musicPlaying;
}

float SimpleAudioEngine::getBackgroundMusicVolume() { return m_musicVolume; }

void SimpleAudioEngine::setBackgroundMusicVolume(float volume)
{
    ensureBackend();
    m_musicVolume = std::clamp(volume, 0.f, 1.f);
    m_backend->setMusicVolume(m_musicVolume);
}

float SimpleAudioEngine::getEffectsVolume() { return m_effectsVolume; }

void SimpleAudioEngine::setEffectsVolume(float volume)
{
    ensureBackend();
    m_effectsVolume = std::clamp(volume, 0.f, 1.f);
    m_backend->setEffectsVolume(m_effectsVolume);
}

unsigned int SimpleAudioEngine::playEffect(const char* filePath, bool loop)
{
    ensureBackend();
    unsigned int id = effectId(filePath);
    std::string path = resolve(filePath);
    if (path.empty())
        return id;
    m_effects[id] = path;
    m_backend->playEffect(id, path, loop);
    return id;
}

void SimpleAudioEngine::pauseEffect(unsigned int soundId)
{
    ensureBackend();
    m_backend->pauseEffect(soundId);
}

void SimpleAudioEngine::pauseAllEffects()
{
    ensureBackend();
    for (const auto& entry : m_effects)
        m_backend->pauseEffect(entry.first);
}

void SimpleAudioEngine::resumeEffect(unsigned int soundId)
{
    ensureBackend();
    m_backend->resumeEffect(soundId);
}

void SimpleAudioEngine::resumeAllEffects()
{
    ensureBackend();
    for (const auto& entry : m_effects)
        m_backend->resumeEffect(entry.first);
}

void SimpleAudioEngine::stopEffect(unsigned int soundId)
{
    ensureBackend();
    m_backend->stopEffect(soundId);
}

void SimpleAudioEngine::stopAllEffects()
{
    ensureBackend();
    for (const auto& entry : m_effects)
        m_backend->stopEffect(entry.first);
}

void SimpleAudioEngine::preloadEffect(const char* filePath)
{
    ensureBackend();
    std::string path = resolve(filePath);
    if (path.empty())
        return;
    unsigned int id = effectId(filePath);
    if (m_backend->loadEffect(id, path))
        m_effects[id] = path;
}

void SimpleAudioEngine::unloadEffect(const char* filePath)
{
    ensureBackend();
    unsigned int id = effectId(filePath);
    m_backend->unloadEffect(id);
    m_effects.erase(id);
}

} // namespace CocosDenshion
