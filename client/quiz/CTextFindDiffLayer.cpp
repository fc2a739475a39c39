#include "quiz/CTextFindDiffLayer.h"

#include "app/LocalText.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"

#include <random>

USING_NS_CC;

namespace {
constexpr float kGridHeightShare = 0.7f;
// The grid hangs just under the tip line.
constexpr float kGridTop = 500;
// Dark on the play scene's light panel.
const cocos2d::ccColor3B kTextColour = {100, 50, 20};
} // namespace

CTextFindDiffLayer* CTextFindDiffLayer::create() {
    auto* layer = new CTextFindDiffLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CTextFindDiffLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CTextFindDiffLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    const CCSize visible = CCDirector::sharedDirector()->getVisibleSize();
    const float cellWidth = visible.width / kColumns;
    const float cellHeight = visible.height * kGridHeightShare / kRows;
    for (int i = 0; i < kColumns * kRows; ++i) {
        // Each label spans its whole cell, so the cell is the touch box.
        m_cells[i] = CCLabelTTF::create("", "Arial", 35, CCSizeMake(cellWidth, cellHeight), kCCTextAlignmentCenter,
                                        kCCVerticalTextAlignmentCenter);
        if (m_cells[i] == nullptr) {
            return false;
        }
        m_cells[i]->setColor(kTextColour);
        const int column = i % kColumns, row = i / kColumns;
        m_cells[i]->setPosition(ccp(cellWidth * (static_cast<float>(column) + 0.5f),
                                    kGridTop - cellHeight * (static_cast<float>(row) + 0.5f)));
        addChild(m_cells[i]);
    }
    setTouchEnabled(true);
    return true;
}

void CTextFindDiffLayer::showQuestion() {
    m_submitted = false;
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("SelectTheDifferent"));
    }
    const QuestionRecord* question = QuizData::instance().current.get();
    const std::string same = question ? question->question : "";
    const std::string different = question && !question->answers.empty() ? question->answers.front() : "";
    static std::mt19937 random{std::random_device{}()};
    const int odd = std::uniform_int_distribution<int>(0, kColumns * kRows - 1)(random);
    for (int i = 0; i < kColumns * kRows; ++i) {
        m_cells[i]->setString((i == odd ? different : same).c_str());
    }
}

void CTextFindDiffLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CTextFindDiffLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_submitted; }

void CTextFindDiffLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (isAnswered() || m_submitted) {
        return;
    }
    const CCPoint point = convertTouchToNodeSpace(touch);
    for (CCLabelTTF* cell : m_cells) {
        if (isInside(cell, point)) {
            m_submitted = true;
            CQuestionMission::instance()->submitAnswer(cell->getString(), 0, 0, -1);
            return;
        }
    }
}
