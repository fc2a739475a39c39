#include "quiz/CChoiceLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/TextFormat.h"
#include "net/CCMask.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/COneByOneSelect.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include "extensions/CCParticleBatchNode.h"
#include "extensions/CCParticleSystemQuad.h"

USING_NS_CC;

namespace {
constexpr float kEggX[4] = {-300, -100, 100, 300};
constexpr float kTableBelowEggs = 168;
constexpr int kEggFrames = 5;
// 0.8 delay units of 0.2 s per frame.
constexpr float kEggFrameSeconds = 0.8f * 0.2f;
} // namespace

CChoiceLayer* CChoiceLayer::create() {
    auto* layer = new CChoiceLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CChoiceLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CChoiceLayer::init() { return CCLayer::init(); }

void CChoiceLayer::showQuestion() {
    removeAllChildrenWithCleanup(true);
    m_hammer = m_crackingEgg = nullptr;
    for (auto*& egg : m_eggs) egg = nullptr;
    m_submitted = false;
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question == nullptr) {
        return;
    }
    const auto* choice = std::get_if<ChoiceQuestion>(&question->details);
    m_multiple = choice ? choice->multiple : 0;
    if (m_multiple > 0) {
        showEggs();
    } else {
        presentOptions();
    }
}

void CChoiceLayer::presentOptions() {
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question == nullptr) {
        return;
    }
    if (question->seltype == 0) {
        if (CAddAnswerMenu* menu = CAddAnswerMenu::create(this, callfuncI_selector(CChoiceLayer::onOption), 0)) {
            addChild(menu);
        }
    } else if (question->seltype == 1) {
        if (COneByOneSelect* select = COneByOneSelect::create(this, callfuncI_selector(CChoiceLayer::onOption), 1)) {
            addChild(select);
        }
    }
}

void CChoiceLayer::onOption(int k) {
    const QuestionRecord* question = QuizData::instance().current.get();
    if (isAnswered() || m_submitted || question == nullptr || k < 0 ||
        k >= static_cast<int>(question->answers.size())) {
        return;
    }
    m_submitted = true;
    CQuestionMission::instance()->submitAnswer(question->answers[static_cast<std::size_t>(k)], 0, 0, k);
}

void CChoiceLayer::showEggs() {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->stopClock();
        host->showTip(LocalText::instance().text("jinDanTitle"));
    }
    m_hammer = Pictures::sprite("hammer.png");
    m_hammer->setVisible(false);
    addChild(m_hammer, 2);
    m_crackingEgg = Pictures::sprite("egg1.png");
    m_crackingEgg->setAnchorPoint(ccp(0.5f, 0));
    m_crackingEgg->setVisible(false);
    addChild(m_crackingEgg, 1);

    CCMenu* menu = CCMenu::create();
    for (int k = 0; k < 4; ++k) {
        m_eggs[k] = CCMenuItemSprite::create(Pictures::sprite("egg1.png"), Pictures::sprite("egg1.png"), this,
                                             menu_selector(CChoiceLayer::onEgg));
        m_eggs[k]->setPosition(ccp(kEggX[k], 0));
        menu->addChild(m_eggs[k]);
    }
    addChild(menu, 1, kEggMenuTag);
    CCSprite* table = Pictures::sprite("table.png");
    table->setPosition(ccp(menu->getPositionX(), menu->getPositionY() - kTableBelowEggs));
    addChild(table, 0);
}

void CChoiceLayer::onEgg(CCObject* sender) {
    if (getChildByTag(kEggMaskTag) || isAnswered()) {
        return;
    }
    auto* tapped = static_cast<CCMenuItemSprite*>(sender);
    if (CCMask* mask = CCMask::create(-20, false)) {
        addChild(mask, 1, kEggMaskTag);
    }
    const CCPoint centre = convertToNodeSpace(tapped->getParent()->convertToWorldSpace(tapped->getPosition()));
    m_crackingEgg->setPosition(ccp(centre.x, centre.y - tapped->getContentSize().height / 2));
    m_crackingEgg->setVisible(true);
    for (CCMenuItemSprite* egg : m_eggs) {
        if (egg == tapped) {
            egg->setVisible(false);
        }
        egg->setEnabled(false);
    }
    m_hammer->setPosition(ccp(centre.x + 50, centre.y + 180));
    m_hammer->setVisible(true);
    m_hammer->runAction(CCSequence::create(CCRotateBy::create(0.5f, 50), CCRotateBy::create(0.1f, -100),
                                           CCCallFunc::create(this, callfunc_selector(CChoiceLayer::onSwingDone)),
                                           nullptr));
}

void CChoiceLayer::onSwingDone() {
    CCArray* frames = CCArray::create();
    char name[16];
    for (int i = 1; i <= kEggFrames; ++i) {
        std::snprintf(name, sizeof(name), "egg%d.png", i);
        if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name)) {
            frames->addObject(frame);
        } else if (CCSprite* file = Pictures::sprite(name); file->getTexture()) {
            frames->addObject(CCSpriteFrame::createWithTexture(file->getTexture(), file->getTextureRect()));
        } else {
            ClientLog::write("egg frame %s is missing", name);
        }
    }
    CCFiniteTimeAction* crack = frames->count() > 0
                                    ? static_cast<CCFiniteTimeAction*>(CCAnimate::create(
                                          CCAnimation::createWithSpriteFrames(frames, kEggFrameSeconds)))
                                    : CCDelayTime::create(kEggFrames * kEggFrameSeconds);
    m_crackingEgg->runAction(CCSequence::create(
        crack, CCCallFunc::create(this, callfunc_selector(CChoiceLayer::onCrackDone)), nullptr));

    if (CCParticleSystemQuad* burst = CCParticleSystemQuad::create("dabaozha.plist")) {
        burst->setPosition(ccp(m_crackingEgg->getPositionX(),
                               m_crackingEgg->getPositionY() + m_crackingEgg->getContentSize().height / 2));
        CCParticleBatchNode* batch = CCParticleBatchNode::createWithTexture(burst->getTexture());
        if (batch) {
            batch->addChild(burst);
            addChild(batch, 10, kParticlesTag);
        } else {
            addChild(burst, 10, kParticlesTag);
        }
    } else {
        ClientLog::write("the egg's burst dabaozha.plist could not be made");
    }
}

void CChoiceLayer::onCrackDone() {
    for (int tag : {kEggMaskTag, kParticlesTag}) {
        if (getChildByTag(tag)) removeChildByTag(tag, true);
    }
    // Its work is done, and it would hang over the tip line for as long as the box stands.
    m_hammer->setVisible(false);
    if (getChildByTag(kEggBoxTag)) {
        return;
    }
    const std::string text = fillText(LocalText::instance().text("jinDanTip"), {std::to_string(m_multiple)});
    CMyMessageBox* box = CMyMessageBox::create("", text, "", LocalText::instance().text("goOnQuestion"), "", this,
                                               0, nullptr, callfunc_selector(CChoiceLayer::onGoOn), nullptr,
                                               nullptr, false);
    if (box == nullptr) {
        // Without the box nobody could restart the clock: go on at once.
        onGoOn();
        return;
    }
    box->setPosition(ccp(480, 320));
    box->setScale(0.1f);
    box->runAction(CCScaleTo::create(0.1f, 1.0f));
    addChild(box, 99, kEggBoxTag);
}

void CChoiceLayer::onGoOn() {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->startClock();
    }
    // The box is among the children; it holds itself until its touch handling is over.
    removeAllChildrenWithCleanup(true);
    m_hammer = m_crackingEgg = nullptr;
    for (auto*& egg : m_eggs) egg = nullptr;
    presentOptions();
}
