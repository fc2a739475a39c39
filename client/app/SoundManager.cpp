#include "app/SoundManager.h"

#include "app/StoredSettings.h"

#include "SimpleAudioEngine.h"
#include "extensions/gui/ClickSound.h"

using CocosDenshion::SimpleAudioEngine;

SoundManager& SoundManager::instance() {
    static SoundManager* manager = new SoundManager;
    return *manager;
}

SoundManager::SoundManager() { reload(); }

void SoundManager::reload() {
    m_effectsOn = StoredSettings::readBool(settings::kEffect, true);
    m_musicOn = StoredSettings::readBool(settings::kMusic, true);
    SimpleAudioEngine::sharedEngine()->setBackgroundMusicVolume(m_musicOn ? 1.0f : 0.0f);
}

void SoundManager::setEffectsOn(bool on) {
    m_effectsOn = on;
    StoredSettings::writeBool(settings::kEffect, on);
}

bool SoundManager::isEffectsOn() {
    m_effectsOn = StoredSettings::readBool(settings::kEffect, true);
    return m_effectsOn;
}

unsigned SoundManager::playEffect(const std::string& file, bool loop) {
    if (!m_effectsOn) {
        return 0;
    }
    return SimpleAudioEngine::sharedEngine()->playEffect(file.c_str(), loop);
}

void SoundManager::setMusicOn(bool on) {
    m_musicOn = on;
    StoredSettings::writeBool(settings::kMusic, on);
    SimpleAudioEngine::sharedEngine()->setBackgroundMusicVolume(on ? 1.0f : 0.0f);
}

bool SoundManager::isMusicOn() {
    m_musicOn = StoredSettings::readBool(settings::kMusic, true);
    SimpleAudioEngine::sharedEngine()->setBackgroundMusicVolume(m_musicOn ? 1.0f : 0.0f);
    return m_musicOn;
}

void SoundManager::playMusic(const std::string& file, bool loop) {
    SimpleAudioEngine::sharedEngine()->preloadBackgroundMusic(file.c_str());
    SimpleAudioEngine::sharedEngine()->playBackgroundMusic(file.c_str(), loop);
    m_currentMusic = file;
}

void SoundManager::pauseEffect(unsigned id) { SimpleAudioEngine::sharedEngine()->pauseEffect(id); }

void SoundManager::setEffectsVolume(float volume) { SimpleAudioEngine::sharedEngine()->setEffectsVolume(volume); }

void SoundManager::setMusicVolume(float volume) {
    SimpleAudioEngine::sharedEngine()->setBackgroundMusicVolume(volume);
}

bool SoundManager::isMusicPlaying() { return SimpleAudioEngine::sharedEngine()->isBackgroundMusicPlaying(); }

void SoundManager::installClickSound() {
    cocos2d::extension::setClickSoundHook(
        [] { SoundManager::instance().playEffect(cocos2d::extension::kClickSoundFile); });
}
