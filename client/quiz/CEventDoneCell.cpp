#include "quiz/CEventDoneCell.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "quiz/CEventLayer.h"
#include "widgets/CListMenu.h"
#include "widgets/Pictures.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

const ccColor3B kTitleColour = {150, 70, 20};
const ccColor3B kDescColour = {90, 60, 40};
constexpr float kTextWidth = 500;
// From the bottom of the description to below the title: longer texts are drawn smaller.
constexpr float kDescHeight = 90;
constexpr float kButtonScale = 0.5f;

CCSprite* buttonLook(const ccColor3B& tint) {
    CCSprite* sprite = Pictures::sprite("common_btn.png");
    sprite->setColor(tint);
    return sprite;
}

} // namespace

CEventDoneCell* CEventDoneCell::create(CEventLayer* owner) {
    auto* cell = new CEventDoneCell;
    if (cell->build(owner)) {
        cell->autorelease();
        return cell;
    }
    delete cell;
    ClientLog::write("Fun CEventDoneCell::Create Error!");
    return nullptr;
}

bool CEventDoneCell::build(CEventLayer* owner) {
    if (!CCTableViewCell::init()) return false;
    m_owner = owner;
    setContentSize(CCSizeMake(kWidth, kHeight));

    // A card per event, so two events never read as one.
    if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName("common_btn_max.png")) {
        const CCSize size = frame->getOriginalSize();
        const float cap = 60;
        if (CCScale9Sprite* card = CCScale9Sprite::createWithSpriteFrame(
                frame, CCRectMake(cap, cap, size.width - 2 * cap, size.height - 2 * cap))) {
            card->setContentSize(CCSizeMake(kWidth - 10, kHeight - 12));
            card->setAnchorPoint(CCPointZero);
            card->setPosition(ccp(5, 6));
            addChild(card, 0);
        }
    }

    m_title = Pictures::label("", 24, CCSizeMake(kTextWidth, 40), kCCTextAlignmentLeft);
    // Centred in its line, so the title keeps clear of the card's top edge.
    m_title->setVerticalAlignment(kCCVerticalTextAlignmentCenter);
    m_title->setAnchorPoint(ccp(0, 1));
    m_title->setPosition(ccp(40, 210));
    m_title->setColor(kTitleColour);
    addChild(m_title, 1);

    m_desc = Pictures::label("", 24, CCSizeMake(kTextWidth, 0), kCCTextAlignmentLeft);
    m_desc->setAnchorPoint(ccp(0, 0));
    m_desc->setPosition(ccp(50, 77));
    m_desc->setColor(kDescColour);
    addChild(m_desc, 1);

    m_button = CCMenuItemSprite::create(buttonLook({255, 255, 255}), buttonLook({200, 200, 200}), this,
                                        menu_selector(CEventDoneCell::join));
    if (m_button == nullptr) return false;
    // The item takes its size from the unscaled picture: the item is scaled, not the pictures.
    m_button->setScale(kButtonScale);
    CListMenu* menu = CListMenu::create(m_button, owner ? owner->table() : nullptr);
    if (menu == nullptr) return false;
    menu->setPosition(ccp(650, 115));
    addChild(menu, 2);
    m_buttonLabel = Pictures::label(LocalText::instance().text("join"), 30, CCSizeZero, kCCTextAlignmentCenter);
    m_buttonLabel->setPosition(ccp(650, 115));
    addChild(m_buttonLabel, 3);
    return true;
}

void CEventDoneCell::fill(const EventItem& event) {
    m_eventId = event.id;
    m_title->setString(event.title.c_str());
    m_desc->setString(event.desc.c_str());
    const float height = m_desc->getContentSize().height;
    m_desc->setScale(height > kDescHeight ? kDescHeight / height : 1.0f);
}

void CEventDoneCell::join(CCObject*) {
    SoundManager::instance().playEffect("buttonT.mp3");
    if (m_owner) m_owner->join(m_eventId);
}
