#include "quiz/CVoiceFillLayer.h"

#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"

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
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(current->question);
    }
    const MediaQuestion* clip = media();
    m_cells = CFillCellLayer::create(clip ? clip->answerlength : 0,
                                     current->answers.empty() ? "" : current->answers.front(), this, kCellLayout,
                                     kCellColumns);
    if (m_cells) {
        addChild(m_cells);
    }
    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    addButtons(1.0f, ccp(visible.width / 4, visible.height * 2 / 5));
    fetchMedia(Cover::Yes);
}

void CVoiceFillLayer::onFillCellComplete(const std::string& text) { sendAnswer(text, -1); }
