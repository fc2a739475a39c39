#include "quiz/COneByOneSelect.h"

#include "app/LocalText.h"
#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/Pictures.h"

USING_NS_CC;

namespace {
const CCPoint kMenuOffsets[3] = {{280, 0}, {0, 0}, {0, -120}};
constexpr float kNextBelow = 70;
// Clear of the option above it (90 high, centred 70 higher).
constexpr float kNextButtonScale = 0.32f;
constexpr float kSlide = 800;
constexpr float kSlideSeconds = 0.5f;
} // namespace

COneByOneSelect* COneByOneSelect::create(CCObject* target, SEL_CallFuncI callback, int mode) {
    auto* select = new COneByOneSelect;
    if (select->initSelect(target, callback, mode)) {
        select->autorelease();
        return select;
    }
    CCLog("Fun COneByOneSelect::Create Error!");
    delete select;
    return nullptr;
}

int COneByOneSelect::answerCount() const {
    const QuestionRecord* question = QuizData::instance().current.get();
    return question ? static_cast<int>(question->answers.size()) : 0;
}

bool COneByOneSelect::initSelect(CCObject* target, SEL_CallFuncI callback, int mode) {
    if (!CCSprite::init()) {
        CCLog("Fun COneByOneSelect::Init Error!");
        return false;
    }
    m_target = target;
    m_callback = callback;
    m_mode = mode >= 0 && mode <= 2 ? mode : 1;
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question && QuestionStage::instance().host()) {
        QuestionStage::instance().host()->showTip(question->question);
    }
    const CCSize win = CCDirector::sharedDirector()->getWinSize();
    setPosition(ccp(win.width / 2, win.height / 2));

    m_menu = CCMenu::create();
    CCSprite* normal = Pictures::sprite("daankuang.png");
    CCSprite* selected = Pictures::sprite("daankuang.png");
    selected->setColor(ccc3(230, 210, 180));
    m_item = CCMenuItemSprite::create(normal, selected, this, menu_selector(COneByOneSelect::onOption));
    if (m_menu == nullptr || m_item == nullptr) {
        CCLog("Fun COneByOneSelect::Init Error!");
        return false;
    }
    const CCSize itemSize = m_item->getContentSize();
    m_label = Pictures::label(answerCount() > 0 ? question->answers.front() : "", 30,
                              CCSizeMake(itemSize.width > 40 ? itemSize.width - 40 : itemSize.width, 0),
                              kCCTextAlignmentCenter);
    m_label->setColor(ccc3(100, 50, 20));
    m_label->setPosition(ccp(itemSize.width / 2, itemSize.height / 2));
    m_item->addChild(m_label, 0, kLabelTag);
    m_item->setPosition(CCPointZero);
    m_itemHome = m_item->getPosition();
    m_menu->addChild(m_item, 0, kItemTag);
    m_menu->setPosition(kMenuOffsets[m_mode]);
    addChild(m_menu, 0, kMenuTag);
    // An option with nothing to say is no option.
    m_item->setVisible(answerCount() > 0);
    m_item->setEnabled(answerCount() > 0);

    // Right under the option, whichever placement it has.
    CCSprite* nextNormal = Pictures::sprite("common_btn.png");
    CCSprite* nextSelected = Pictures::sprite("common_btn.png");
    nextSelected->setColor(ccc3(200, 200, 200));
    m_next = CCMenuItemSprite::create(nextNormal, nextSelected, this, menu_selector(COneByOneSelect::onNextCallBack));
    CCMenu* nextMenu = CCMenu::create();
    if (m_next == nullptr || nextMenu == nullptr) {
        CCLog("Fun COneByOneSelect::Init Error!");
        return false;
    }
    m_next->setScale(kNextButtonScale);
    m_next->setPosition(CCPointZero);
    nextMenu->addChild(m_next);
    const CCPoint nextAt(kMenuOffsets[m_mode].x, kMenuOffsets[m_mode].y - kNextBelow);
    nextMenu->setPosition(nextAt);
    addChild(nextMenu);
    // Beside the button rather than inside it: text drawn at a third of its size turns ragged.
    CCLabelTTF* nextLabel =
        Pictures::label(LocalText::instance().text("nextSelection"), 26, CCSizeZero, kCCTextAlignmentCenter);
    nextLabel->setColor(ccc3(255, 255, 255));
    nextLabel->setPosition(nextAt);
    addChild(nextLabel, 1);
    return true;
}

void COneByOneSelect::onOption(CCObject*) {
    if (m_target && m_callback && m_current < answerCount()) {
        (m_target->*m_callback)(m_current);
    }
}

void COneByOneSelect::onNextCallBack(CCObject*) {
    // While an option slides the menu is off; a second "next" then would skip one unseen.
    if (m_current + 1 >= answerCount() || !m_menu->isEnabled()) {
        return;
    }
    CCFiniteTimeAction* out = CCMoveBy::create(kSlideSeconds, ccp(-kSlide, 0));
    CCFiniteTimeAction* swap = CCCallFunc::create(this, callfunc_selector(COneByOneSelect::showNextOption));
    CCActionInterval* back = CCEaseBounceOut::create(CCMoveTo::create(kSlideSeconds, m_itemHome));
    CCFiniteTimeAction* done = CCCallFunc::create(this, callfunc_selector(COneByOneSelect::slideDone));
    if (!out || !swap || !back || !done) {
        CCLog("Fun COneByOneSelect::OnNextCallBack Error!");
        return;
    }
    m_current += 1;
    m_menu->setEnabled(false);
    m_item->runAction(CCSequence::create(out, swap, back, done, nullptr));
}

void COneByOneSelect::showNextOption() {
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question && m_current < static_cast<int>(question->answers.size())) {
        m_label->setString(question->answers[static_cast<std::size_t>(m_current)].c_str());
    }
    // 1600 to the right of where it left, so it comes back in from the right.
    m_item->setPosition(ccp(m_itemHome.x - kSlide + 2 * kSlide, m_itemHome.y));
}

void COneByOneSelect::slideDone() { m_menu->setEnabled(true); }
