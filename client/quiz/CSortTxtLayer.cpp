#include "quiz/CSortTxtLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"

#include <algorithm>
#include <random>
#include <utility>

USING_NS_CC;

namespace {
constexpr float kTopRowY = 280;
constexpr float kPitch = 75;
constexpr float kBend = 150;
// A moving cell passes over the others.
constexpr int kMovingZ = 1;
} // namespace

CSortTxtLayer* CSortTxtLayer::create() {
    auto* layer = new CSortTxtLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CSortTxtLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CSortTxtLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

void CSortTxtLayer::clear() {
    for (CTxtCell* cell : m_cells) cell->removeFromParentAndCleanup(true);
    m_cells.clear();
    m_marked = m_swapping = nullptr;
    m_submitted = false;
}

std::string CSortTxtLayer::reading() const {
    std::string text;
    for (CTxtCell* cell : m_cells) text += cell->character();
    return text;
}

void CSortTxtLayer::showQuestion() {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("SortTxtLayerTitle"));
    }
    clear();
    const QuestionRecord* question = QuizData::instance().current.get();
    m_sentence = question ? question->question : "";
    const std::vector<std::string> characters = CFillCellLayer::splitCharacters(m_sentence);
    if (characters.size() < 2) {
        ClientLog::write("sort text: %zu characters, nothing to sort", characters.size());
    }
    for (const std::string& c : characters) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) continue;
        cell->setText(c);
        addChild(cell);
        m_cells.push_back(cell);
    }
    static std::mt19937 random{std::random_device{}()};
    const std::size_t n = m_cells.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::swap(m_cells[i], m_cells[random() % n]);
    }
    if (reading() == m_sentence) {
        // The shuffle gave the sentence back: it must not start solved (nor be unsolvable by a swap).
        auto differs = std::find_if(m_cells.begin(), m_cells.end(),
                                    [&](CTxtCell* cell) { return cell->text() != m_cells.front()->text(); });
        if (differs != m_cells.end()) std::iter_swap(m_cells.begin(), differs);
    }
    const float x0 = static_cast<float>(static_cast<int>(CCDirector::sharedDirector()->getWinSize().width / 2 -
                                                         12.5f * static_cast<float>(m_sentence.size()) + 37));
    for (std::size_t i = 0; i < n; ++i) {
        const int k = static_cast<int>(i);
        m_cells[i]->setPosition(ccp(x0 + 3 + kPitch * static_cast<float>(k % kRowLength),
                                    kTopRowY - kPitch * static_cast<float>(k / kRowLength)));
    }
}

void CSortTxtLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CSortTxtLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible(); }

void CSortTxtLayer::ccTouchEnded(CCTouch* touch, CCEvent*) { handleTouch(convertTouchToNodeSpace(touch)); }

void CSortTxtLayer::handleTouch(const CCPoint& point) {
    if (m_swapping || !isVisible() || isAnswered() || m_submitted) {
        return;
    }
    auto tapped = std::find_if(m_cells.begin(), m_cells.end(),
                               [&](CTxtCell* cell) { return cell->contains(point.x, point.y); });
    if (tapped == m_cells.end()) {
        return;
    }
    CTxtCell* cell = *tapped;
    if (m_marked == nullptr) {
        m_marked = cell;
        cell->setState(CTxtCell::kDark);
        return;
    }
    if (m_marked == cell) {
        cell->setState(CTxtCell::kNormal);
        m_marked = nullptr;
        return;
    }
    m_swapping = cell;
    const CCPoint from = m_marked->getPosition();
    const CCPoint to = cell->getPosition();
    const float middleX = (from.x + to.x) / 2;
    ccBezierConfig over{to, ccp(middleX, to.y + kBend), ccp(middleX, to.y + kBend)};
    ccBezierConfig under{from, ccp(middleX, to.y - kBend), ccp(middleX, to.y - kBend)};
    m_marked->setZOrder(kMovingZ);
    cell->setZOrder(kMovingZ);
    m_marked->runAction(CCBezierTo::create(kSwapSeconds, over));
    cell->runAction(CCSequence::create(CCBezierTo::create(kSwapSeconds, under),
                                       CCCallFunc::create(this, callfunc_selector(CSortTxtLayer::onSwapped)), nullptr));
}

void CSortTxtLayer::onSwapped() {
    if (m_swapping == nullptr || m_marked == nullptr) {
        return;
    }
    auto a = std::find(m_cells.begin(), m_cells.end(), m_marked);
    auto b = std::find(m_cells.begin(), m_cells.end(), m_swapping);
    if (a != m_cells.end() && b != m_cells.end()) std::iter_swap(a, b);
    for (CTxtCell* cell : {m_marked, m_swapping}) {
        cell->setZOrder(0);
        cell->setState(CTxtCell::kNormal);
    }
    m_marked = m_swapping = nullptr;
    if (!m_submitted && !m_sentence.empty() && reading() == m_sentence) {
        m_submitted = true;
        CQuestionMission::instance()->submitAnswer(m_sentence, 0, 0, -1);
    }
}
