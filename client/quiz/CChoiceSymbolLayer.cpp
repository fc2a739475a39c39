#include "quiz/CChoiceSymbolLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "net/CCMask.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"
#include "widgets/Pictures.h"

#include <algorithm>

USING_NS_CC;

namespace {
constexpr float kTopRowY = 365;
constexpr float kPitch = 75;
constexpr int kCandidateRow = 8;
constexpr int kHighlightZ = 1;
constexpr int kCopyZ = 2;
constexpr float kFlightSeconds = 0.5f;
} // namespace

CChoiceSymbolLayer* CChoiceSymbolLayer::create() {
    auto* layer = new CChoiceSymbolLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CChoiceSymbolLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CChoiceSymbolLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    m_highlight = Pictures::sprite("wenda_zitibeijingxuanzhong.png");
    m_highlight->setScale(1.5f);
    m_highlight->setVisible(false);
    addChild(m_highlight, kHighlightZ);
    setTouchEnabled(true);
    return true;
}

void CChoiceSymbolLayer::clear() {
    if (getChildByTag(kMaskTag)) removeChildByTag(kMaskTag, true);
    for (CTxtCell* cell : m_cells) cell->removeFromParentAndCleanup(true);
    for (CTxtCell* cell : m_candidates) cell->removeFromParentAndCleanup(true);
    if (m_copy) m_copy->removeFromParentAndCleanup(true);
    m_cells.clear();
    m_blank.clear();
    m_candidates.clear();
    m_copy = nullptr;
    m_marked = nullptr;
    m_highlight->setVisible(false);
    m_submitted = false;
}

void CChoiceSymbolLayer::showQuestion() {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("g1p13_QuestionTitle"));
    }
    clear();
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question == nullptr) {
        return;
    }
    std::vector<std::string> sentence = CFillCellLayer::splitCharacters(question->question);
    if (sentence.size() > kMaxCells) {
        ClientLog::write("punctuation: sentence of %zu characters cut to %d cells", sentence.size(), kMaxCells);
        sentence.resize(kMaxCells);
    }
    const std::string wideSemicolon = LocalText::instance().text("ChineseSemicolon");
    const float middle = CCDirector::sharedDirector()->getVisibleSize().width / 2;
    const int firstRow = std::min(static_cast<int>(sentence.size()), kRowLength);
    const float firstRowX = middle - kPitch * static_cast<float>(firstRow - 1) / 2;
    const float fullRowX = middle - kPitch * static_cast<float>(kRowLength - 1) / 2;
    for (std::size_t i = 0; i < sentence.size(); ++i) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) continue;
        const bool blank = sentence[i] == ";" || (!wideSemicolon.empty() && sentence[i] == wideSemicolon);
        cell->setText(blank ? "" : sentence[i]);
        const int row = static_cast<int>(i) / kRowLength;
        const float x = (row == 0 ? firstRowX : fullRowX) + kPitch * static_cast<float>(static_cast<int>(i) % kRowLength);
        cell->setPosition(ccp(x, kTopRowY - kPitch * static_cast<float>(row)));
        addChild(cell);
        m_cells.push_back(cell);
        m_blank.push_back(blank);
    }

    std::size_t offered = question->answers.size();
    if (offered > kMaxCandidates) {
        ClientLog::write("punctuation: %zu marks offered, %d shown", offered, kMaxCandidates);
        offered = kMaxCandidates;
    }
    for (std::size_t i = 0; i < offered; ++i) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) continue;
        cell->setText(question->answers[i]);
        cell->setState(CTxtCell::kGold);
        const int k = static_cast<int>(i);
        cell->setPosition(ccp(220.0f + kPitch * static_cast<float>(k % kCandidateRow),
                              140.0f - kPitch * static_cast<float>(k / kCandidateRow)));
        addChild(cell);
        m_candidates.push_back(cell);
    }
    if (!markFirstEmpty()) {
        ClientLog::write("punctuation: the sentence has no blank");
    }
}

void CChoiceSymbolLayer::mark(CTxtCell* cell) {
    markTxtCell(m_marked, cell, m_highlight);
}

bool CChoiceSymbolLayer::markFirstEmpty() {
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        if (m_blank[i] && m_cells[i]->text().empty()) {
            mark(m_cells[i]);
            return true;
        }
    }
    return false;
}

void CChoiceSymbolLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CChoiceSymbolLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible(); }

void CChoiceSymbolLayer::ccTouchEnded(CCTouch* touch, CCEvent*) { handleTouch(convertTouchToNodeSpace(touch)); }

void CChoiceSymbolLayer::handleTouch(const CCPoint& point) {
    if (m_copy || !isVisible() || isAnswered() || m_submitted) {
        return;
    }
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        if (!m_blank[i] || !m_cells[i]->contains(point.x, point.y)) continue;
        mark(m_cells[i]);
        m_cells[i]->setText("");
        return;
    }
    if (m_marked == nullptr) {
        return;
    }
    for (CTxtCell* candidate : m_candidates) {
        if (!candidate->contains(point.x, point.y)) continue;
        m_copy = CTxtCell::create();
        if (m_copy == nullptr) return;
        m_copy->setText(candidate->character());
        m_copy->setState(CTxtCell::kGold);
        m_copy->setPosition(candidate->getPosition());
        addChild(m_copy, kCopyZ);
        if (CCMask* cover = CCMask::create(-100000, false)) {
            addChild(cover, kMaskTag, kMaskTag);
        }
        int empty = 0;
        for (std::size_t i = 0; i < m_cells.size(); ++i) {
            if (m_blank[i] && m_cells[i]->text().empty()) ++empty;
        }
        // The last blank: the time it took ends at the tap, not when the mark lands.
        if (empty == 1) {
            if (CPlayLayer* host = QuestionStage::instance().host()) host->stopClock();
        }
        m_copy->runAction(CCSequence::create(
            CCSpawn::create(CCRotateBy::create(kFlightSeconds, 720),
                            CCMoveTo::create(kFlightSeconds, m_marked->getPosition()), nullptr),
            CCCallFunc::create(this, callfunc_selector(CChoiceSymbolLayer::onArrived)), nullptr));
        return;
    }
}

void CChoiceSymbolLayer::onArrived() {
    if (m_copy == nullptr) {
        return;
    }
    if (m_marked) {
        m_marked->setText(m_copy->character());
        m_marked->setState(CTxtCell::kNormal);
    }
    m_copy->removeFromParentAndCleanup(true);
    m_copy = nullptr;
    if (getChildByTag(kMaskTag)) removeChildByTag(kMaskTag, true);
    m_marked = nullptr;
    m_highlight->setVisible(false);
    if (markFirstEmpty()) {
        return;
    }
    std::string answer;
    for (CTxtCell* cell : m_cells) answer += cell->character();
    m_submitted = true;
    CQuestionMission::instance()->submitAnswer(answer, 0, 0, -1);
}
