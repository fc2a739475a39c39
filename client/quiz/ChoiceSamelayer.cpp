#include "quiz/ChoiceSamelayer.h"

#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"

USING_NS_CC;

namespace {
constexpr int kAnswerPictures = 4;
constexpr float kQuestionSide = 350;
constexpr float kAnswerSide = 160;
} // namespace

ChoiceSamelayer* ChoiceSamelayer::create() {
    auto* layer = new ChoiceSamelayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun ChoiceSamelayer::Create Error!");
    delete layer;
    return nullptr;
}

bool ChoiceSamelayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

void ChoiceSamelayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_question = nullptr;
    m_pictures.clear();
    m_submitted = false;
    const QuestionRecord* question = QuizData::instance().current.get();
    const auto* image = question ? std::get_if<ImageQuestion>(&question->details) : nullptr;
    const int answers = question ? static_cast<int>(question->answers.size()) : 0;
    const int shown = answers < kAnswerPictures ? answers : kAnswerPictures;
    // The question's picture and every answer picture there is; fewer than four answers must not
    // leave the cover waiting for pictures that will never come.
    beginLoading(1 + shown, Cover::Yes);
    if (question && QuestionStage::instance().host()) {
        QuestionStage::instance().host()->showTip(question->question);
    }
    m_question = addPicture(image ? image->img : "", CCSizeMake(kQuestionSide, kQuestionSide), ccp(250, 270));
    for (int k = 0; k < shown; ++k) {
        const CCPoint at(600.0f + 200.0f * static_cast<float>(k % 2), k < 2 ? 360.0f : 170.0f);
        m_pictures.push_back(
            addPicture(question->answers[static_cast<std::size_t>(k)], CCSizeMake(kAnswerSide, kAnswerSide), at));
    }
}

void ChoiceSamelayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool ChoiceSamelayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_submitted; }

void ChoiceSamelayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
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
