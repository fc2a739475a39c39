#include "quiz/RakeLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"

#include <algorithm>
#include <cmath>
#include <random>

USING_NS_CC;

bool RakeLayer::s_acceptTaps = true;
bool RakeLayer::s_turnBack = true;

namespace {
constexpr int kColumns = 4;
constexpr float kCardSide = 200;
constexpr float kCardBox = 220;
constexpr int kPictureZ = 3, kBackZ = 4;

CCSprite* backSprite() {
    if (CCSpriteFrame* frame =
            CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName("common_pictureBg.png")) {
        return CCSprite::createWithSpriteFrame(frame);
    }
    return CCSprite::create("common_pictureBg.png");
}
} // namespace

RakeLayer* RakeLayer::create() {
    auto* layer = new RakeLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun RakeLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool RakeLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

CCPoint RakeLayer::placeOf(int i) {
    return ccp(145 + static_cast<float>(i % kColumns) * 225, 380 - static_cast<float>(i / kColumns) * 225);
}

void RakeLayer::showQuestion() {
    stopAllActions();
    removeAllChildrenWithCleanup(true);
    m_cards.clear();
    m_previous = m_open = -1;
    m_pairsFound = 0;
    m_submitted = false;
    // A question that ended during a glimpse left the switches off; the next deal starts fresh.
    s_acceptTaps = true;
    s_turnBack = true;
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("FindOut"));
    }
    const QuestionRecord* question = QuizData::instance().current.get();
    const std::size_t answers = question ? question->answers.size() : 0;
    m_pairs = static_cast<int>(std::min<std::size_t>(answers, kPairs));
    if (answers != static_cast<std::size_t>(kPairs)) {
        ClientLog::write("memory cards: %zu pictures instead of %d; dealing %d pairs", answers, kPairs, m_pairs);
    }
    beginLoading(2 * m_pairs, Cover::Yes);
    if (m_pairs == 0) {
        return;
    }

    std::vector<int> pairs;
    for (int p = 1; p <= m_pairs; ++p) {
        pairs.push_back(p);
        pairs.push_back(p);
    }
    // Every card may land anywhere: a deal that left the last cards in pair order would give
    // them away.
    static std::mt19937 random{std::random_device{}()};
    std::shuffle(pairs.begin(), pairs.end(), random);

    for (std::size_t i = 0; i < pairs.size(); ++i) {
        Card card;
        card.pair = pairs[i];
        const CCPoint at = placeOf(static_cast<int>(i));
        card.picture = addPicture(question->answers[static_cast<std::size_t>(card.pair - 1)],
                                  CCSizeMake(kCardSide, kCardSide), at, kPictureZ);
        card.back = backSprite();
        if (card.back) {
            const float scale = kCardSide / card.back->getContentSize().width;
            card.back->setScaleX(scale);
            card.back->setScaleY(scale * 1.1f);
            card.back->setPosition(at);
            addChild(card.back, kBackZ);
        }
        m_cards.push_back(card);
    }
}

void RakeLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool RakeLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && !isAnswered() && !m_submitted; }

void RakeLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (!s_acceptTaps || isAnswered() || m_submitted || isLoading()) {
        return;
    }
    const CCPoint point = convertTouchToNodeSpace(touch);
    int tapped = -1;
    for (std::size_t i = 0; i < m_cards.size(); ++i) {
        const CCPoint at = placeOf(static_cast<int>(i));
        if (!m_cards[i].found && std::abs(point.x - at.x) <= kCardBox / 2 && std::abs(point.y - at.y) <= kCardBox / 2) {
            tapped = static_cast<int>(i);
            break;
        }
    }
    if (tapped < 0) {
        return;
    }
    Card& card = m_cards[static_cast<std::size_t>(tapped)];
    if (card.back) {
        card.back->setVisible(false);
    }
    SoundManager::instance().playEffect("buttonT.mp3");
    s_acceptTaps = false;
    m_open = tapped;
    if (m_previous >= 0 && m_previous != tapped) {
        Card& before = m_cards[static_cast<std::size_t>(m_previous)];
        if (!before.found && before.pair == card.pair) {
            before.found = card.found = true;
            if (before.back) {
                before.back->setVisible(false);
            }
            s_turnBack = false;
            m_pairsFound += 1;
        }
    }
    m_previous = tapped;
    runAction(CCSequence::create(CCDelayTime::create(kGlimpseSeconds),
                                 CCCallFunc::create(this, callfunc_selector(RakeLayer::turnBack)), nullptr));
    if (m_pairsFound == m_pairs && m_pairs > 0) {
        m_submitted = true;
        CQuestionMission::instance()->submitAnswer("0", 0, 0, -1);
    }
}

void RakeLayer::turnBack() {
    if (s_turnBack && m_open >= 0) {
        if (CCSprite* back = m_cards[static_cast<std::size_t>(m_open)].back) {
            back->setVisible(true);
        }
    }
    m_open = -1;
    s_turnBack = true;
    s_acceptTaps = true;
}
