#include "quiz/CSudokuLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"
#include "widgets/Pictures.h"

#include "cocos-ext.h"

USING_NS_CC;

namespace {
constexpr int kHighlightZ = 1;
// A flying candidate passes over the board and its highlight.
constexpr int kCandidateZ = 2;
constexpr float kFlightSeconds = 0.5f;
} // namespace

CSudokuLayer* CSudokuLayer::create() {
    auto* layer = new CSudokuLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CSudokuLayer::Create Error!");
    delete layer;
    return nullptr;
}

CCPoint CSudokuLayer::boardPosition(int i) {
    return ccp(290.0f + 75.0f * static_cast<float>(i % kColumns), 450.0f - 75.0f * static_cast<float>(i / kColumns));
}

CCPoint CSudokuLayer::candidatePosition(int j) {
    return ccp(70.0f + 75.0f * static_cast<float>(j % 12), 135.0f - 75.0f * static_cast<float>(j / 12));
}

bool CSudokuLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    for (int i = 0; i < kBoardCells; ++i) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) return false;
        cell->setVisible(false);
        cell->setPosition(boardPosition(i));
        addChild(cell);
        m_grid.push_back(cell);
    }
    m_blank.assign(kBoardCells, false);
    for (int j = 0; j < kCandidates; ++j) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) return false;
        cell->setVisible(false);
        cell->setPosition(candidatePosition(j));
        addChild(cell, kCandidateZ);
        m_candidates.push_back(cell);
    }
    m_highlight = Pictures::sprite("wenda_zitibeijingxuanzhong.png");
    m_highlight->setScale(1.5f);
    m_highlight->setVisible(false);
    addChild(m_highlight, kHighlightZ);
    setTouchEnabled(true);
    return true;
}

void CSudokuLayer::showQuestion() {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("g1p2_QuestionTitle"));
    }
    // A reused board may still have a candidate in the air from the question before.
    if (m_flying) {
        m_flying->stopAllActions();
        m_flying->setRotation(0);
        m_flying->setPosition(m_home);
        m_flying = nullptr;
    }
    if (m_busy) setPauseEnabled(true);
    m_busy = false;
    m_submitted = false;
    m_marked = nullptr;
    m_highlight->setVisible(false);
    for (int i = 0; i < kBoardCells; ++i) {
        m_grid[i]->setState(CTxtCell::kNormal);
        m_grid[i]->setText("");
        m_grid[i]->setVisible(false);
        m_blank[i] = false;
    }
    for (CTxtCell* candidate : m_candidates) candidate->setVisible(false);

    const QuestionRecord* question = QuizData::instance().current.get();
    const std::vector<std::string> board = CFillCellLayer::splitCharacters(question ? question->question : "");
    const std::vector<std::string> pool =
        CFillCellLayer::splitCharacters(question && !question->answers.empty() ? question->answers.front() : "");
    if (board.size() < kBoardCells || pool.size() < kCandidates) {
        // Half a board cannot be played; the clock still ends the question, and the pause button
        // stays free to leave.
        ClientLog::write("sudoku: board of %zu characters or %zu candidates refused (needs %d and %d)", board.size(),
                         pool.size(), kBoardCells, kCandidates);
        return;
    }

    for (int i = 0; i < kBoardCells; ++i) {
        const std::string& c = board[static_cast<std::size_t>(i)];
        if (c == ",") {
            m_grid[i]->setText(",");
            continue;
        }
        m_blank[i] = c == ";";
        m_grid[i]->setText(m_blank[i] ? "" : c);
        m_grid[i]->setVisible(true);
    }
    for (int j = 0; j < kCandidates; ++j) {
        m_candidates[j]->setText(pool[static_cast<std::size_t>(j)]);
        m_candidates[j]->setState(CTxtCell::kGold);
        m_candidates[j]->setRotation(0);
        m_candidates[j]->setPosition(candidatePosition(j));
        m_candidates[j]->setVisible(true);
    }
    markFirstEmpty();
    if (m_marked == nullptr) {
        ClientLog::write("sudoku: the board has no blank to fill");
    }
}

void CSudokuLayer::onExit() {
    // Leaving in mid-flight must not take the pause button away from the next screen.
    if (m_busy) setPauseEnabled(true);
    CCLayer::onExit();
}

void CSudokuLayer::mark(CTxtCell* cell) {
    markTxtCell(m_marked, cell, m_highlight);
}

void CSudokuLayer::markFirstEmpty() {
    for (int i = 0; i < kBoardCells; ++i) {
        if (m_blank[i] && m_grid[i]->isVisible() && m_grid[i]->text().empty()) {
            mark(m_grid[i]);
            return;
        }
    }
}

void CSudokuLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CSudokuLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible(); }

void CSudokuLayer::ccTouchEnded(CCTouch* touch, CCEvent*) { handleTouch(convertTouchToNodeSpace(touch)); }

void CSudokuLayer::handleTouch(const CCPoint& point) {
    if (m_busy || !isVisible() || isAnswered() || m_submitted) {
        return;
    }
    for (int i = 0; i < kBoardCells; ++i) {
        CTxtCell* cell = m_grid[i];
        if (!m_blank[i] || !cell->isVisible() || !cell->contains(point.x, point.y)) continue;
        reopenTxtCell(m_marked, cell, m_highlight, m_candidates);
        break;
    }
    for (CTxtCell* candidate : m_candidates) {
        if (candidate->isVisible() && candidate->contains(point.x, point.y) && m_marked) {
            flyToMarked(candidate);
            return;
        }
    }
}

void CSudokuLayer::flyToMarked(CTxtCell* candidate) {
    m_flying = candidate;
    m_home = candidate->getPosition();
    m_busy = true;
    setPauseEnabled(false);
    candidate->runAction(CCSequence::create(
        CCSpawn::create(CCRotateBy::create(kFlightSeconds, 720), CCMoveTo::create(kFlightSeconds, m_marked->getPosition()),
                        nullptr),
        CCCallFunc::create(this, callfunc_selector(CSudokuLayer::onArrived)), nullptr));
}

void CSudokuLayer::onArrived() {
    CTxtCell* candidate = m_flying;
    m_flying = nullptr;
    if (candidate && m_marked) {
        m_marked->setText(candidate->text());
        m_marked->setState(CTxtCell::kNormal);
    }
    if (candidate) {
        candidate->setVisible(false);
        candidate->setRotation(0);
        candidate->setPosition(m_home);
    }

    bool complete = true;
    std::string answer;
    for (int i = 0; i < kBoardCells; ++i) {
        if (!m_grid[i]->isVisible()) continue;
        if (m_grid[i]->text().empty()) complete = false;
        if (m_blank[i]) answer += m_grid[i]->character();
    }
    if (complete) {
        m_submitted = true;
        m_marked = nullptr;
        m_highlight->setVisible(false);
        CQuestionMission::instance()->submitAnswer(answer, 0, 0, -1);
    } else {
        markFirstEmpty();
    }
    m_busy = false;
    setPauseEnabled(true);
}

void CSudokuLayer::setPauseEnabled(bool enabled) {
    CPlayLayer* host = QuestionStage::instance().host();
    if (host && host->backButton()) {
        host->backButton()->setTouchEnabled(enabled);
    }
}
