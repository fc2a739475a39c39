#include "quiz/CPictureQuestionLayer.h"

#include "app/ClientLog.h"
#include "net/CCMask.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "widgets/CImageView.h"

USING_NS_CC;

void CPictureQuestionLayer::beginLoading(int expected, Cover cover) {
    cancelLoading();
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->stopClock();
    }
    m_expected = expected;
    m_done = 0;
    m_loading = true;
    if (cover == Cover::Yes) {
        if (CCMask* mask = CCMask::create(0, false)) {
            mask->addChild(CCLayerColor::create(ccc4(128, 128, 128, 100)));
            addChild(mask, kCoverZ, kCoverTag);
        }
    }
    if (expected <= 0) {
        finishLoading();
        return;
    }
    scheduleOnce(schedule_selector(CPictureQuestionLayer::giveUp), kGiveUpSeconds);
}

void CPictureQuestionLayer::cancelLoading() {
    unschedule(schedule_selector(CPictureQuestionLayer::giveUp));
    if (getChildByTag(kCoverTag)) {
        removeChildByTag(kCoverTag, true);
    }
    m_loading = false;
}

CImageView* CPictureQuestionLayer::addPicture(const std::string& mediaName, const CCSize& size, const CCPoint& at,
                                              int z) {
    if (mediaName.empty()) {
        // Nothing to fetch: the slot stays dark and the wait does not hang on it.
        pictureDone();
        return nullptr;
    }
    CImageView* view = CImageView::create(mediaName, "", size, this,
                                          media_selector(CPictureQuestionLayer::onPictureLoaded),
                                          media_selector(CPictureQuestionLayer::onPictureFailed));
    if (view == nullptr) {
        pictureDone();
        return nullptr;
    }
    view->setPosition(at);
    addChild(view, z);
    return view;
}

void CPictureQuestionLayer::onPictureLoaded(const std::string&) { pictureDone(); }

void CPictureQuestionLayer::onPictureFailed(const std::string& mediaName) {
    ClientLog::write("question picture %s did not arrive; the question goes on without it", mediaName.c_str());
    pictureDone();
}

void CPictureQuestionLayer::pictureDone() {
    if (!m_loading) {
        return;
    }
    m_done += 1;
    if (m_done >= m_expected) {
        finishLoading();
    }
}

void CPictureQuestionLayer::finishLoading() {
    cancelLoading();
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->startClock();
    }
}

void CPictureQuestionLayer::giveUp(float) {
    if (!m_loading) {
        return;
    }
    ClientLog::write("question pictures: %d of %d arrived after %.0f s; the clock starts without the rest", m_done,
                     m_expected, static_cast<double>(kGiveUpSeconds));
    finishLoading();
}

int CPictureQuestionLayer::pictureAt(const std::vector<CImageView*>& pictures, const CCPoint& point) {
    for (std::size_t k = 0; k < pictures.size() && k < 4; ++k) {
        if (pictures[k] && isInside(pictures[k], point)) return static_cast<int>(k);
    }
    return -1;
}

void CPictureQuestionLayer::submitLetter(int k) {
    static const char* const letters[] = {"A", "B", "C", "D"};
    if (k >= 0 && k < 4) CQuestionMission::instance()->submitAnswer(letters[k], 0, 0, k);
}
