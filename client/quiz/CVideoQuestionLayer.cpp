#include "quiz/CVideoQuestionLayer.h"

#include "app/ClientLog.h"
#include "app/Platform.h"
#include "app/VideoPlayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"

USING_NS_CC;

VideoPlayer& CVideoQuestionLayer::player() { return Platform::current().videoPlayer(); }

void CVideoQuestionLayer::resetVideo() {
    player().stopVideo();
    m_hiddenForMenu = false;
    resetMedia();
}

void CVideoQuestionLayer::playMedia(const std::string& path) {
    // Closes any film still open first.
    player().playVideo(path);
    m_hiddenForMenu = false;
    if (!player().canShowFilm()) {
        ClientLog::write("video question: %s holds no film we can show; the question goes on without it",
                         path.c_str());
        player().stopVideo();
    }
}

void CVideoQuestionLayer::beforeAnswer() { player().stopVideo(); }

void CVideoQuestionLayer::setAnswered(bool answered) {
    CMediaQuestionLayer::setAnswered(answered);
    player().pauseVideo(answered || m_hiddenForMenu);
}

void CVideoQuestionLayer::onEnter() {
    CMediaQuestionLayer::onEnter();
    schedule(schedule_selector(CVideoQuestionLayer::watchPauseMenu));
}

void CVideoQuestionLayer::watchPauseMenu(float) {
    CPlayLayer* host = QuestionStage::instance().host();
    const bool menuOpen = host && host->getChildByTag(CPlayLayer::kPauseTag) != nullptr;
    if (menuOpen == m_hiddenForMenu) {
        return;
    }
    m_hiddenForMenu = menuOpen;
    if (menuOpen || !isAnswered()) {
        player().pauseVideo(menuOpen);
    }
}

void CVideoQuestionLayer::onExit() {
    unschedule(schedule_selector(CVideoQuestionLayer::watchPauseMenu));
    CMediaQuestionLayer::onExit();
    player().pauseVideo(true);
    player().stopVideo();
}
