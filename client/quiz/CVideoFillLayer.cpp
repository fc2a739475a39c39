#include "quiz/CVideoFillLayer.h"

USING_NS_CC;

namespace {
constexpr int kCellLayout = 6;
constexpr int kCellColumns = 4;
// The answer row sits at y 80, half under the film window's lower edge (y 103), which is drawn
// over the whole scene; the cells step down clear of it.
constexpr float kClearOfFilm = 24;
} // namespace

CVideoFillLayer* CVideoFillLayer::create() {
    auto* layer = new CVideoFillLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CVideoFillLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CVideoFillLayer::init() { return CCLayer::init(); }

void CVideoFillLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_cells = nullptr;
    resetVideo();
    const QuestionRecord* current = question();
    if (current == nullptr) {
        return;
    }
    m_cells = addAnswerCells(*current, this, kCellLayout, kCellColumns);
    if (m_cells) {
        m_cells->setPosition(ccp(0, -kClearOfFilm));
    }
    fetchMedia(Cover::Yes);
}

void CVideoFillLayer::onFillCellComplete(const std::string& text) { sendAnswer(text, -1); }
