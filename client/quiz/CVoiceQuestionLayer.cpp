#include "quiz/CVoiceQuestionLayer.h"

#include "app/ClientLog.h"
#include "app/SoundManager.h"
#include "widgets/Pictures.h"

#include "SimpleAudioEngine.h"

USING_NS_CC;
using CocosDenshion::SimpleAudioEngine;

void CVoiceQuestionLayer::resetVoice() {
    unschedule(schedule_selector(CVoiceQuestionLayer::checkClip));
    stopClip();
    m_clipPath.clear();
    m_play = m_pause = nullptr;
    resetMedia();
}

void CVoiceQuestionLayer::addButtons(float scale, const CCPoint& at) {
    m_play = CCMenuItemSprite::create(Pictures::sprite("playBtn.png"), Pictures::sprite("playBtn.png"), this,
                                      menu_selector(CVoiceQuestionLayer::onPlay));
    m_pause = CCMenuItemSprite::create(Pictures::sprite("PauseBtn.png"), Pictures::sprite("PauseBtn.png"), this,
                                       menu_selector(CVoiceQuestionLayer::onPause));
    CCMenu* menu = CCMenu::create();
    if (m_play == nullptr || m_pause == nullptr || menu == nullptr) {
        ClientLog::write("voice question: the play and pause buttons could not be made");
        m_play = m_pause = nullptr;
        return;
    }
    for (CCMenuItemSprite* button : {m_play, m_pause}) {
        button->setScale(scale);
        button->setPosition(CCPointZero);
        menu->addChild(button);
    }
    menu->setPosition(at);
    addChild(menu, 1);
    showPlaying(true);
}

void CVoiceQuestionLayer::showPlaying(bool playing) {
    if (m_play) m_play->setVisible(!playing);
    if (m_pause) m_pause->setVisible(playing);
}

void CVoiceQuestionLayer::playMedia(const std::string& path) {
    m_clipPath = path;
    startClip();
}

void CVoiceQuestionLayer::startClip() {
    SoundManager& sound = SoundManager::instance();
    // Whatever played before goes first: a clip the engine cannot open must not pass for playing
    // because the game's music still does.
    SimpleAudioEngine::sharedEngine()->stopBackgroundMusic();
    // The clip is the question: it is heard even with the music switched off.
    sound.setMusicVolume(1.0f);
    sound.playMusic(m_clipPath, false);
    if (!sound.isMusicPlaying()) {
        ClientLog::write("voice clip %s cannot be played; the question goes on without it", m_clipPath.c_str());
        m_clipPath.clear();
        m_clipPlaying = false;
        // Nothing to play or pause.
        if (m_play) m_play->setVisible(false);
        if (m_pause) m_pause->setVisible(false);
        return;
    }
    m_clipPlaying = true;
    showPlaying(true);
    schedule(schedule_selector(CVoiceQuestionLayer::checkClip), kCheckSeconds);
}

void CVoiceQuestionLayer::checkClip(float) {
    if (SimpleAudioEngine::sharedEngine()->isBackgroundMusicPlaying()) {
        return;
    }
    m_clipPlaying = false;
    showPlaying(false);
    unschedule(schedule_selector(CVoiceQuestionLayer::checkClip));
}

void CVoiceQuestionLayer::stopClip() {
    if (m_clipPlaying) {
        SimpleAudioEngine::sharedEngine()->stopBackgroundMusic();
        m_clipPlaying = false;
    }
}

void CVoiceQuestionLayer::onPlay(CCObject*) {
    if (m_clipPath.empty() || questionIsOver()) {
        return;
    }
    startClip();
}

void CVoiceQuestionLayer::onPause(CCObject*) {
    unschedule(schedule_selector(CVoiceQuestionLayer::checkClip));
    stopClip();
    showPlaying(false);
}

void CVoiceQuestionLayer::beforeAnswer() { unschedule(schedule_selector(CVoiceQuestionLayer::checkClip)); }

void CVoiceQuestionLayer::onExit() {
    unschedule(schedule_selector(CVoiceQuestionLayer::checkClip));
    stopClip();
    CMediaQuestionLayer::onExit();
}
