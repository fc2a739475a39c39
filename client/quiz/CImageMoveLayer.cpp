#include "quiz/CImageMoveLayer.h"

#include "app/ClientLog.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"

#include <random>

USING_NS_CC;

namespace {
constexpr float kCardWidth = 200, kCardHeight = 260;
constexpr float kPlaceY = 260;
const float kPlaceX[CImageMoveLayer::kCards] = {145, 370, 595, 820};
constexpr float kFirstSwapSeconds = 0.2f;
constexpr float kSwapShrink = 0.92f;
constexpr float kArc = 100;
constexpr int kCardTagBase = 10;

std::mt19937& dealer() {
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

CCSprite* sprite(const char* name) {
    if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name)) {
        return CCSprite::createWithSpriteFrame(frame);
    }
    return CCSprite::create(name);
}

// Stretches the sprite over the card.
void fitCard(CCSprite* picture) {
    const CCSize size = picture->getContentSize();
    if (size.width > 0 && size.height > 0) {
        picture->setScaleX(kCardWidth / size.width);
        picture->setScaleY(kCardHeight / size.height);
    }
}
} // namespace

CImageMoveLayer* CImageMoveLayer::create() {
    auto* layer = new CImageMoveLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CImageMoveLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CImageMoveLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    return true;
}

CCPoint CImageMoveLayer::placeCentre(int place) { return ccp(kPlaceX[place], kPlaceY); }

void CImageMoveLayer::showQuestion() {
    stopAllActions();
    resumeSchedulerAndActions();
    removeAllChildrenWithCleanup(true);
    m_cards.clear();
    m_faces.clear();
    m_backs.clear();
    m_placeOf.clear();
    m_carrotSprite = nullptr;
    m_swapsPlanned = m_swapsDone = 0;
    m_swapSeconds = 0;
    m_faceDown = m_waiting = m_submitted = false;
    CPlayLayer* host = QuestionStage::instance().host();
    if (host) {
        host->stopClock();
        if (const QuestionRecord* question = QuizData::instance().current.get()) {
            host->showTip(question->question);
        }
    }

    m_carrot = static_cast<int>(dealer()() % kCards);
    for (int i = 0; i < kCards; ++i) {
        CCNode* card = CCNode::create();
        card->setContentSize(CCSizeMake(kCardWidth, kCardHeight));
        card->setPosition(placeCentre(i));
        addChild(card, 0, kCardTagBase + i);
        CCSprite* face = sprite("common_pictureBg.png");
        CCSprite* back = sprite("cardback.png");
        if (face) {
            fitCard(face);
            card->addChild(face);
        }
        if (back) {
            fitCard(back);
            back->setVisible(false);
            card->addChild(back);
        }
        m_cards.push_back(card);
        m_faces.push_back(face);
        m_backs.push_back(back);
        m_placeOf.push_back(i);
    }
    m_carrotSprite = sprite("common_huluobo.png");
    if (m_carrotSprite) {
        m_cards[static_cast<std::size_t>(m_carrot)]->addChild(m_carrotSprite, 1);
    }
    runAction(CCSequence::create(CCDelayTime::create(kShowSeconds),
                                 CCCallFunc::create(this, callfunc_selector(CImageMoveLayer::turnFaceDown)),
                                 CCDelayTime::create(kBeforeSwapsSeconds),
                                 CCCallFunc::create(this, callfunc_selector(CImageMoveLayer::startSwaps)), nullptr));
}

void CImageMoveLayer::turnFaceDown() {
    m_faceDown = true;
    for (std::size_t i = 0; i < m_cards.size(); ++i) {
        if (m_faces[i]) m_faces[i]->setVisible(false);
        if (m_backs[i]) m_backs[i]->setVisible(true);
    }
    if (m_carrotSprite) {
        m_carrotSprite->setVisible(false);
    }
}

void CImageMoveLayer::startSwaps() {
    m_swapsPlanned = static_cast<int>(dealer()() % 5) + 8;
    m_swapSeconds = kFirstSwapSeconds;
    CCArray* steps = CCArray::create();
    for (int k = 0; k < m_swapsPlanned; ++k) {
        steps->addObject(CCCallFunc::create(this, callfunc_selector(CImageMoveLayer::swapOnce)));
        steps->addObject(CCDelayTime::create(kSwapEvery));
    }
    steps->addObject(CCCallFunc::create(this, callfunc_selector(CImageMoveLayer::swapsOver)));
    runAction(CCSequence::create(steps));
}

void CImageMoveLayer::swapOnce() {
    const int a = static_cast<int>(dealer()() % kCards);
    int b = static_cast<int>(dealer()() % (kCards - 1));
    if (b >= a) {
        b += 1;
    }
    m_swapSeconds *= kSwapShrink;
    CCNode* first = m_cards[static_cast<std::size_t>(a)];
    CCNode* second = m_cards[static_cast<std::size_t>(b)];
    // Each card goes from where it stands now, so a swap still running cannot pull it off course.
    const CCPoint from = placeCentre(m_placeOf[static_cast<std::size_t>(a)]);
    const CCPoint to = placeCentre(m_placeOf[static_cast<std::size_t>(b)]);
    const CCPoint middle = ccp((from.x + to.x) / 2, (from.y + to.y) / 2);
    CCPointArray* over = CCPointArray::create(3);
    over->addControlPoint(from);
    over->addControlPoint(ccp(middle.x, middle.y + kArc));
    over->addControlPoint(to);
    CCPointArray* under = CCPointArray::create(3);
    under->addControlPoint(to);
    under->addControlPoint(ccp(middle.x, middle.y - kArc));
    under->addControlPoint(from);
    first->stopAllActions();
    second->stopAllActions();
    first->setPosition(from);
    second->setPosition(to);
    first->runAction(CCSequence::create(CCCardinalSplineTo::create(m_swapSeconds, over, 0), CCPlace::create(to), nullptr));
    second->runAction(
        CCSequence::create(CCCardinalSplineTo::create(m_swapSeconds, under, 0), CCPlace::create(from), nullptr));
    std::swap(m_placeOf[static_cast<std::size_t>(a)], m_placeOf[static_cast<std::size_t>(b)]);
    const int firstTag = first->getTag();
    first->setTag(second->getTag());
    second->setTag(firstTag);
    m_swapsDone += 1;
}

void CImageMoveLayer::swapsOver() {
    m_waiting = true;
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->startClock();
    }
}

void CImageMoveLayer::setAnswered(bool answered) {
    CQuestionLayer::setAnswered(answered);
    for (CCNode* card : m_cards) {
        if (answered) {
            card->pauseSchedulerAndActions();
        } else {
            card->resumeSchedulerAndActions();
        }
    }
    if (answered) {
        pauseSchedulerAndActions();
    } else {
        resumeSchedulerAndActions();
    }
}

void CImageMoveLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CImageMoveLayer::ccTouchBegan(CCTouch*, CCEvent*) { return isVisible() && m_waiting && !m_submitted; }

void CImageMoveLayer::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (!m_waiting || m_submitted || isAnswered()) {
        return;
    }
    const CCPoint point = convertTouchToNodeSpace(touch);
    for (std::size_t i = 0; i < m_cards.size(); ++i) {
        if (!isInside(m_cards[i], point)) {
            continue;
        }
        m_submitted = true;
        // Show where the carrot was, whichever card was picked.
        const std::size_t carrot = static_cast<std::size_t>(m_carrot);
        if (m_backs[carrot]) m_backs[carrot]->setVisible(false);
        if (m_faces[carrot]) m_faces[carrot]->setVisible(true);
        if (m_carrotSprite) m_carrotSprite->setVisible(true);
        const bool right = static_cast<int>(i) == m_carrot;
        CQuestionMission::instance()->submitAnswer(right ? "right" : "0", 0, 0, -1);
        return;
    }
}
