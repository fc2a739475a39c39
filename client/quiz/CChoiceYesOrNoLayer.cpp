#include "quiz/CChoiceYesOrNoLayer.h"

#include "app/LocalText.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/Pictures.h"

USING_NS_CC;

CChoiceYesOrNoLayer* CChoiceYesOrNoLayer::create() {
    auto* layer = new CChoiceYesOrNoLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CChoiceYesOrNoLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CChoiceYesOrNoLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    CCMenu* menu = CCMenu::create();
    const char* keys[2] = {"isYes", "isNo"};
    const float x[2] = {-180, 180};
    for (int k = 0; k < 2; ++k) {
        CCSprite* selected = Pictures::sprite("daankuang.png");
        selected->setColor(ccc3(230, 210, 180));
        m_buttons[k] = CCMenuItemSprite::create(Pictures::sprite("daankuang.png"), selected, this,
                                                menu_selector(CChoiceYesOrNoLayer::onButton));
        if (m_buttons[k] == nullptr) {
            return false;
        }
        m_buttons[k]->setTag(k);
        m_buttons[k]->setPosition(ccp(x[k], -10));
        const CCSize size = m_buttons[k]->getContentSize();
        m_labels[k] = Pictures::label(LocalText::instance().text(keys[k]), 30, CCSizeZero, kCCTextAlignmentCenter);
        m_labels[k]->setColor(ccc3(100, 50, 20));
        m_labels[k]->setPosition(ccp(size.width / 2, size.height / 2));
        m_buttons[k]->addChild(m_labels[k]);
        menu->addChild(m_buttons[k]);
    }
    addChild(menu);
    return true;
}

void CChoiceYesOrNoLayer::showQuestion() {
    m_submitted = false;
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question && QuestionStage::instance().host()) {
        QuestionStage::instance().host()->showTip(question->question);
    }
}

void CChoiceYesOrNoLayer::onButton(CCObject* sender) {
    if (isAnswered() || m_submitted) {
        return;
    }
    m_submitted = true;
    const int k = static_cast<CCNode*>(sender)->getTag();
    CQuestionMission::instance()->submitAnswer(m_labels[k]->getString(), 0, 0, k);
}
