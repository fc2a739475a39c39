#include "quiz/CVoiceFillLayer.h"

USING_NS_CC;

namespace {
constexpr int kCellLayout = 4;
constexpr int kCellColumns = 6;
} // namespace

CVoiceFillLayer* CVoiceFillLayer::create() {
    auto* layer = new CVoiceFillLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CVoiceFillLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CVoiceFillLayer::init() { return CCLayer::init(); }

void CVoiceFillLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_cells = nullptr;
    resetVoice();
    const QuestionRecord* current = question();
    if (current == nullptr) {
        return;
    }
    m_cells = addAnswerCells(*current, this, kCellLayout, kCellColumns);
    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    addButtons(1.0f, ccp(visible.width / 4, visible.height * 2 / 5));
    fetchMedia(Cover::Yes);
}

void CVoiceFillLayer::onFillCellComplete(const std::string& text) { sendAnswer(text, -1); }
