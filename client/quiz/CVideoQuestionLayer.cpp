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
    resetMedia();
}

void CVideoQuestionLayer::playMedia(const std::string& path) {
    // Closes any film still open first.
    player().playVideo(path);
    if (!player().canShowFilm()) {
        ClientLog::write("video question: %s holds no film we can show; the question goes on without it",
                         path.c_str());
        player().stopVideo();
    } else if (pauseMenuOpen()) {
        player().pauseVideo(true);
    }
}

void CVideoQuestionLayer::beforeAnswer() { player().stopVideo(); }

void CVideoQuestionLayer::setAnswered(bool answered) {
    CMediaQuestionLayer::setAnswered(answered);
    player().pauseVideo(answered || pauseMenuOpen());
}

bool CVideoQuestionLayer::pauseMenuOpen() {
    CPlayLayer* host = QuestionStage::instance().host();
    return host && host->getChildByTag(CPlayLayer::kPauseTag) != nullptr;
}

void CVideoQuestionLayer::onExit() {
    CMediaQuestionLayer::onExit();
    player().pauseVideo(true);
    player().stopVideo();
}
