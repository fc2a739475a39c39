#include "quiz/CFillCellLayer.h"

#include "app/ClientLog.h"
#include "widgets/CTxtCell.h"
#include "widgets/Pictures.h"

USING_NS_CC;

namespace {
constexpr int kRowLength = 8;
constexpr int kHighlightZ = 10;
} // namespace

CFillCellLayer* CFillCellLayer::create(int answerLength, const std::string& candidates,
                                       fillCellLayerDelegate* delegate, int layout, int columns) {
    auto* layer = new CFillCellLayer;
    if (layer->initCells(answerLength, candidates, delegate, layout, columns)) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CFillCellLayer::Create Error!");
    delete layer;
    return nullptr;
}

std::vector<std::string> CFillCellLayer::splitCharacters(const std::string& text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = static_cast<unsigned char>(text[i]) < 0x80 ? 1 : 3;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

bool CFillCellLayer::initCells(int answerLength, const std::string& candidates, fillCellLayerDelegate* delegate,
                               int layout, int columns) {
    if (!CCLayer::init()) {
        return false;
    }
    if (answerLength > kMaxAnswerLength || answerLength < 0) {
        ClientLog::write("answer length %d cut to fit the cells", answerLength);
        answerLength = answerLength < 0 ? 0 : kMaxAnswerLength;
    }
    if (columns <= 0) {
        columns = 1;
    }
    m_delegate = delegate;
    m_candidateText = candidates;
    m_answerLength = answerLength;
    m_layout = layout;
    m_columns = columns;

    const float width = CCDirector::sharedDirector()->getWinSize().width;
    float baseX = 2.85f * width / 4, baseY = 420;
    CCPoint start(500, 320);
    if (layout == 2) {
        baseX = width / 2, baseY = 220, start = ccp(100, 140);
    }
    if (columns == 4) {
        baseX = width / 3, baseY = 80, start = ccp(640, 450);
    }

    const float x0 = baseX - 37.5f * static_cast<float>(answerLength) + 40;
    for (int b = 0; b < answerLength; ++b) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) return false;
        cell->setText("");
        cell->setState(CTxtCell::kNormal);
        cell->setPosition(ccp(x0 + 75.0f * static_cast<float>(b % kRowLength),
                              baseY - 75.0f * static_cast<float>(b / kRowLength)));
        addChild(cell);
        m_answerCells.push_back(cell);
    }

    const std::vector<std::string> characters = splitCharacters(candidates);
    for (int i = 0; i < kCandidateCount; ++i) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) return false;
        cell->setState(CTxtCell::kGold);
        if (i < static_cast<int>(characters.size())) {
            cell->setText(characters[static_cast<std::size_t>(i)]);
        } else {
            // Nothing to give: an empty gold tile would only look like a character that is not there.
            cell->setVisible(false);
        }
        cell->setPosition(ccp(start.x + 75.0f * static_cast<float>(i % columns),
                              start.y - 75.0f * static_cast<float>(i / columns)));
        addChild(cell);
        m_candidateCells.push_back(cell);
    }

    m_highlight = Pictures::sprite("wenda_zitibeijingxuanzhong.png");
    m_highlight->setScale(1.5f);
    m_highlight->setVisible(false);
    addChild(m_highlight, kHighlightZ);
    if (!m_answerCells.empty()) {
        mark(m_answerCells.front());
    }
    setTouchEnabled(true);
    return true;
}

void CFillCellLayer::mark(CTxtCell* cell) {
    markTxtCell(m_marked, cell, m_highlight);
}

void CFillCellLayer::registerWithTouchDispatcher() {
    // Never swallows: the screen around the widget has touches of its own.
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CFillCellLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !m_reported; }

void CFillCellLayer::ccTouchEnded(CCTouch* touch, CCEvent*) { handleTouch(convertTouchToNodeSpace(touch)); }

void CFillCellLayer::handleTouch(const CCPoint& point) {
    if (!isVisible() || m_reported) {
        return;
    }
    for (CTxtCell* cell : m_answerCells) {
        if (!cell->isVisible() || !cell->contains(point.x, point.y)) continue;
        reopenTxtCell(m_marked, cell, m_highlight, m_candidateCells);
        break;
    }
    for (CTxtCell* candidate : m_candidateCells) {
        if (!candidate->isVisible() || !candidate->contains(point.x, point.y) || m_marked == nullptr) continue;
        m_marked->setText(candidate->text());
        m_marked->setState(CTxtCell::kNormal);
        candidate->setVisible(false);
        checkComplete();
        for (CTxtCell* cell : m_answerCells) {
            if (cell->text().empty()) {
                mark(cell);
                break;
            }
        }
    }
}

void CFillCellLayer::checkComplete() {
    if (m_reported || m_answerCells.empty()) {
        return;
    }
    std::string text;
    for (CTxtCell* cell : m_answerCells) {
        if (cell->isVisible() && cell->text().empty()) return;
        // The cell keeps a lone "&" doubled for its label; the answer is the character itself.
        text += cell->text() == "&&" ? "&" : cell->text();
    }
    m_reported = true;
    if (m_delegate) {
        m_delegate->onFillCellComplete(text);
    }
}
