#include "quiz/CChooseImageLayer.h"

#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"

USING_NS_CC;

namespace {
const CCPoint kTwoPlaces[2] = {{250, 280}, {730, 280}};
const CCPoint kFourPlaces[4] = {{350, 370}, {630, 370}, {350, 160}, {630, 160}};
} // namespace

CChooseImageLayer* CChooseImageLayer::create() {
    auto* layer = new CChooseImageLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CChooseImageLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CChooseImageLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

void CChooseImageLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_pictures.clear();
    m_submitted = false;
    const QuestionRecord* question = QuizData::instance().current.get();
    const int count = question ? static_cast<int>(question->answers.size()) : 0;
    // Only two or four answers have a layout; any other number shows no pictures at all.
    const int shown = count == 2 || count == 4 ? count : 0;
    beginLoading(shown, Cover::Yes);
    if (question && QuestionStage::instance().host()) {
        QuestionStage::instance().host()->showTip(question->question);
    }
    for (int k = 0; k < shown; ++k) {
        const bool two = shown == 2;
        const CCSize size = two ? CCSizeMake(400, 400) : CCSizeMake(200, 200);
        const CCPoint at = two ? kTwoPlaces[k] : kFourPlaces[k];
        m_pictures.push_back(addPicture(question->answers[static_cast<std::size_t>(k)], size, at));
    }
}

void CChooseImageLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CChooseImageLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_submitted; }

void CChooseImageLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (isAnswered() || m_submitted) {
        return;
    }
    const int k = pictureAt(m_pictures, convertTouchToNodeSpace(touch));
    if (k < 0) {
        return;
    }
    // Before the answer goes: the mission may take the screen down while it handles it.
    m_submitted = true;
    submitLetter(k);
}
