#include "quiz/CHitTxtLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"
#include "widgets/Pictures.h"

#include "extensions/CCClippingNode.h"

#include <random>
#include <utility>

USING_NS_CC;

namespace {
constexpr float kTargetsY = 70;
constexpr float kPitch = 75;
constexpr float kFlightSeconds = 0.5f;
const char* const kWrongEffect = "effect/play/tPlay3_wrong.mp3";

std::mt19937& generator() {
    static std::mt19937 numbers{std::random_device{}()};
    return numbers;
}
} // namespace

CHitTxtLayer* CHitTxtLayer::create() {
    auto* layer = new CHitTxtLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CHitTxtLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CHitTxtLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    // The area the characters fall through: 1024 x 600, centred 50 below the window's centre.
    CCDrawNode* area = CCDrawNode::create();
    CCPoint corners[4] = {ccp(-512, -300), ccp(512, -300), ccp(512, 300), ccp(-512, 300)};
    area->drawPolygon(corners, 4, ccc4f(1, 1, 1, 1), 0, ccc4f(0, 0, 0, 0));
    area->setPosition(ccp(window.width / 2, window.height / 2 - 50));
    m_clip = CCClippingNode::create(area);
    if (m_clip == nullptr) {
        return false;
    }
    addChild(m_clip, 1);

    CCSprite* chanceBack = Pictures::sprite("common_greyBtn.png");
    chanceBack->setPosition(ccp(900, 500));
    chanceBack->setScale(0.67f);
    addChild(chanceBack, 2);
    m_chanceLabel = CCLabelBMFont::create("3", "NumFont.fnt");
    if (m_chanceLabel == nullptr) {
        return false;
    }
    m_chanceLabel->setPosition(ccp(900, 505));
    addChild(m_chanceLabel, 3);

    m_intro = CCLabelTTF::create("", "simhei.ttf", 30);
    if (m_intro == nullptr) {
        return false;
    }
    m_intro->setColor(ccc3(100, 50, 20));
    m_intro->setPosition(ccp(window.width / 2, window.height / 2));
    addChild(m_intro, 4);
    setTouchEnabled(true);
    return true;
}

void CHitTxtLayer::clear() {
    stopAllActions();
    unscheduleUpdate();
    for (CTxtCell* cell : m_targets) cell->removeFromParentAndCleanup(true);
    for (CTxtCell* cell : m_items) cell->removeFromParentAndCleanup(true);
    m_targets.clear();
    m_items.clear();
    m_caught.clear();
    m_chances = kChances;
    m_chanceLabel->stopAllActions();
    m_chanceLabel->setScale(1);
    m_chanceLabel->setString("3");
    m_intro->stopAllActions();
    m_intro->setOpacity(0);
    m_falling = m_complete = m_submitted = false;
}

void CHitTxtLayer::showQuestion() {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(LocalText::instance().text("HitTxtLayerCon"));
    }
    clear();
    const QuestionRecord* question = QuizData::instance().current.get();
    const std::string sentence = question ? question->question : "";
    const std::vector<std::string> wanted = CFillCellLayer::splitCharacters(sentence);
    const std::vector<std::string> falling =
        CFillCellLayer::splitCharacters(question && !question->answers.empty() ? question->answers.front() : "");
    if (wanted.empty() || falling.empty()) {
        ClientLog::write("hit text: %zu characters to catch from %zu falling; nothing to play", wanted.size(),
                         falling.size());
    }

    const float x0 = static_cast<float>(static_cast<int>(CCDirector::sharedDirector()->getWinSize().width / 2 -
                                                         12.5f * static_cast<float>(sentence.size()) + 37));
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) continue;
        cell->setState(CTxtCell::kGold);
        cell->setText(wanted[i]);
        cell->setTextShown(false);
        const int k = static_cast<int>(i);
        cell->setPosition(ccp(x0 + kPitch * static_cast<float>(k % kTargetsPerRow),
                              kTargetsY - kPitch * static_cast<float>(k / kTargetsPerRow)));
        addChild(cell, 0);
        m_targets.push_back(cell);
    }

    for (const std::string& c : falling) {
        CTxtCell* cell = CTxtCell::create();
        if (cell == nullptr) continue;
        cell->setText(c);
        cell->setVisible(false);
        m_clip->addChild(cell);
        m_items.push_back(cell);
    }
    const std::size_t n = m_items.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::swap(m_items[i], m_items[generator()() % n]);
    }
    for (std::size_t i = 0; i < n; ++i) {
        m_items[i]->setPosition(ccp(250.0f + static_cast<float>(generator()() % 564),
                                    kShownHigh + 110.0f * static_cast<float>(i)));
    }
    m_caught.assign(n, false);

    m_intro->setString(sentence.c_str());
    m_intro->runAction(CCSequence::create(CCFadeIn::create(0.3f), CCDelayTime::create(5.0f), CCFadeOut::create(0.8f),
                                          CCCallFunc::create(this, callfunc_selector(CHitTxtLayer::startFalling)),
                                          nullptr));
}

void CHitTxtLayer::startFalling() {
    m_falling = true;
    for (CTxtCell* item : m_items) {
        const float startY = item->getPositionY();
        item->runAction(CCMoveTo::create(startY / 100 + 6, ccp(item->getPositionX(), -5)));
        if (isAnswered()) item->pauseSchedulerAndActions();
    }
    update(0);
    scheduleUpdate();
}

bool CHitTxtLayer::isItemShown(int i) const {
    if (!m_falling || m_caught[static_cast<std::size_t>(i)]) return false;
    const float y = m_items[static_cast<std::size_t>(i)]->getPositionY();
    return y >= kShownLow && y <= kShownHigh;
}

void CHitTxtLayer::update(float) {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        // A caught character stays in sight on its way down to the target.
        if (!m_caught[i]) m_items[i]->setVisible(isItemShown(static_cast<int>(i)));
    }
}

void CHitTxtLayer::setAnswered(bool answered) {
    CQuestionLayer::setAnswered(answered);
    for (CTxtCell* item : m_items) {
        if (answered) {
            item->pauseSchedulerAndActions();
        } else {
            item->resumeSchedulerAndActions();
        }
    }
}

void CHitTxtLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CHitTxtLayer::ccTouchBegan(CCTouch* touch, CCEvent*) {
    // A falling character is caught where the finger lands.
    handleTouch(convertTouchToNodeSpace(touch));
    return false;
}

void CHitTxtLayer::handleTouch(const CCPoint& point) {
    if (!isVisible() || isAnswered() || m_complete || m_submitted) {
        return;
    }
    int missed = -1;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (!isItemShown(static_cast<int>(i)) || !m_items[i]->contains(point.x, point.y)) continue;
        for (CTxtCell* target : m_targets) {
            if (!target->isTextShown() && target->text() == m_items[i]->text()) {
                catchItem(static_cast<int>(i), target);
                return;
            }
        }
        // Of characters lying on top of each other, one that is wanted wins.
        if (missed < 0) missed = static_cast<int>(i);
    }
    if (missed >= 0) {
        missItem(missed);
    }
}

void CHitTxtLayer::catchItem(int i, CTxtCell* target) {
    CTxtCell* item = m_items[static_cast<std::size_t>(i)];
    m_caught[static_cast<std::size_t>(i)] = true;
    item->stopAllActions();
    item->setScale(1);
    item->runAction(CCSequence::create(CCMoveTo::create(kFlightSeconds, target->getPosition()),
                                       CCCallFuncN::create(this, callfuncN_selector(CHitTxtLayer::onItemArrived)),
                                       nullptr));
    target->showTextLater(true, kFlightSeconds);
    for (CTxtCell* t : m_targets) {
        if (!t->isTextShown()) return;
    }
    // The last one: the time taken ends now; the sentence goes out when its character lands.
    m_complete = true;
    if (CPlayLayer* host = QuestionStage::instance().host()) host->stopClock();
    runAction(CCSequence::create(CCDelayTime::create(kFlightSeconds),
                                 CCCallFunc::create(this, callfunc_selector(CHitTxtLayer::submitCaught)), nullptr));
}

void CHitTxtLayer::onItemArrived(CCNode* item) { item->setVisible(false); }

void CHitTxtLayer::submitCaught() {
    if (m_submitted) return;
    m_submitted = true;
    const QuestionRecord* question = QuizData::instance().current.get();
    CQuestionMission::instance()->submitAnswer(question ? question->question : "", 0, 0, -1);
}

void CHitTxtLayer::missItem(int i) {
    SoundManager::instance().playEffect(kWrongEffect);
    CTxtCell* item = m_items[static_cast<std::size_t>(i)];
    item->runAction(CCSequence::create(CCScaleTo::create(0.1f, 1.2f), CCScaleTo::create(0.1f, 1.0f), nullptr));
    if (m_chances == 0) {
        m_submitted = true;
        CQuestionMission::instance()->submitAnswer("-1", 0, 0, -1);
        return;
    }
    --m_chances;
    m_chanceLabel->setString(std::to_string(m_chances).c_str());
    m_chanceLabel->stopAllActions();
    m_chanceLabel->runAction(CCSequence::create(CCScaleTo::create(0.2f, 2.0f), CCScaleTo::create(0.1f, 1.0f), nullptr));
}
