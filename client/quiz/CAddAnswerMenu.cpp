#include "quiz/CAddAnswerMenu.h"

#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/Pictures.h"

USING_NS_CC;

namespace {

const char* const kLetterPictures[CAddAnswerMenu::kOptionCount] = {"a.png", "b.png", "c.png", "d.png"};

struct Placement {
    CCPoint letters[CAddAnswerMenu::kOptionCount];
    CCPoint buttons[CAddAnswerMenu::kOptionCount];
};

const Placement kPlacements[4] = {
    {{{90, 380}, {880, 380}, {90, 180}, {880, 180}}, {{-180, 70}, {180, 70}, {-180, -135}, {180, -135}}},
    {{{90, 280}, {900, 280}, {90, 130}, {900, 130}}, {{-180, -30}, {200, -30}, {-180, -180}, {200, -180}}},
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}, {{260, 100}, {260, 0}, {260, -100}, {260, -200}}},
    {{{500, 420}, {500, 320}, {500, 220}, {500, 120}}, {{260, 100}, {260, 0}, {260, -100}, {260, -200}}},
};

const ccColor3B kLabelColour = {100, 50, 20};

} // namespace

CAddAnswerMenu* CAddAnswerMenu::create(CCObject* target, SEL_CallFuncI callback, int layoutMode) {
    auto* menu = new CAddAnswerMenu;
    if (menu->initMenu(target, callback, layoutMode)) {
        menu->autorelease();
        return menu;
    }
    CCLog("Fun CAddAnswerMenu::Create Error!");
    delete menu;
    return nullptr;
}

bool CAddAnswerMenu::initMenu(CCObject* target, SEL_CallFuncI callback, int layoutMode) {
    if (!CCLayer::init()) {
        return false;
    }
    if (layoutMode < 0 || layoutMode > 3) {
        CCLog("CAddAnswerMenu: placement %d unknown, the text choice's used", layoutMode);
        layoutMode = 0;
    }
    m_target = target;
    m_callback = callback;
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question && QuestionStage::instance().host()) {
        QuestionStage::instance().host()->showTip(question->question);
    }

    m_menu = CCMenu::create();
    if (m_menu == nullptr) {
        return false;
    }
    addChild(m_menu);
    for (int k = 0; k < kOptionCount; ++k) {
        CCSprite* normal = Pictures::sprite("daankuang.png");
        CCSprite* selected = Pictures::sprite("daankuang.png");
        selected->setColor(ccc3(230, 210, 180));
        m_items[k] = CCMenuItemSprite::create(normal, selected, this, menu_selector(CAddAnswerMenu::onItem));
        if (m_items[k] == nullptr) {
            return false;
        }
        m_items[k]->setTag(k);
        m_menu->addChild(m_items[k]);

        const CCSize size = m_items[k]->getContentSize();
        const float boxWidth = size.width > 40 ? size.width - 40 : size.width;
        m_labels[k] = Pictures::label("", 30, CCSizeMake(boxWidth, 0), kCCTextAlignmentCenter);
        m_labels[k]->setColor(kLabelColour);
        m_labels[k]->setPosition(ccp(size.width / 2, size.height / 2));
        m_items[k]->addChild(m_labels[k]);

        m_letters[k] = Pictures::sprite(kLetterPictures[k]);
        m_letters[k]->setScale(layoutMode == 3 ? 0.52f : 0.6f);
        m_letters[k]->setVisible(layoutMode != 2);
        addChild(m_letters[k]);
    }

    const int answerCount = question ? static_cast<int>(question->answers.size()) : 0;
    for (int k = 0; k < kOptionCount && k < answerCount; ++k) {
        m_labels[k]->setString(question->answers[static_cast<std::size_t>(k)].c_str());
    }
    place(layoutMode, answerCount);
    return true;
}

void CAddAnswerMenu::place(int layoutMode, int answerCount) {
    const Placement& placement = kPlacements[layoutMode];
    for (int k = 0; k < kOptionCount; ++k) {
        m_letters[k]->setPosition(placement.letters[k]);
        m_items[k]->setPosition(placement.buttons[k]);
    }
    const bool column = layoutMode >= 2;
    if (answerCount == 2) {
        if (column) {
            // The column placements would stack both buttons at the centre, one hiding the other:
            // keep their spacing and centre the pair instead.
            const float gap = placement.buttons[0].y - placement.buttons[1].y;
            m_items[0]->setPositionY(gap / 2);
            m_items[1]->setPositionY(-gap / 2);
            const float middle = CCDirector::sharedDirector()->getWinSize().height / 2;
            m_letters[0]->setPositionY(middle + gap / 2);
            m_letters[1]->setPositionY(middle - gap / 2);
        } else {
            const float y = CCDirector::sharedDirector()->getWinSize().height / 2 - 10;
            m_letters[0]->setPositionY(y);
            m_letters[1]->setPositionY(y);
            m_items[0]->setPositionY(0);
            m_items[1]->setPositionY(0);
        }
    }
    // Answers past the fourth are not shown; a missing answer leaves its button out.
    const int shown = answerCount > kOptionCount ? kOptionCount : answerCount;
    for (int k = 0; k < kOptionCount; ++k) {
        const bool on = k < shown;
        m_items[k]->setVisible(on);
        m_items[k]->setEnabled(on);
        const bool letterShown = k < 2 ? layoutMode != 2 : layoutMode <= 1;
        m_letters[k]->setVisible(on && letterShown);
    }
}

void CAddAnswerMenu::onItem(CCObject* sender) {
    const int k = static_cast<CCNode*>(sender)->getTag();
    if (m_target && m_callback) {
        (m_target->*m_callback)(k);
    }
}
