#include "menu/CDoneAchieveCell.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "menu/CTaskLayer.h"
#include "widgets/CListMenu.h"
#include "widgets/Pictures.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

const ccColor3B kNameColour = {120, 60, 20};
const ccColor3B kDescColour = {110, 90, 70};
constexpr float kIconHeight = 60;
// Name and description stop short of the progress number and of the claim button.
constexpr float kNameWidth = 200, kDescWidth = 520;
constexpr float kButtonScale = 0.335f;
// The caption font is drawn large; three characters must stay inside the 100-wide button.
constexpr float kCaptionScale = 0.62f;
constexpr float kProgressScale = 0.6f;

CCSprite* buttonLook(const ccColor3B& tint) {
    CCSprite* sprite = Pictures::sprite("common_btn.png");
    sprite->setColor(tint);
    return sprite;
}

void fitWidth(CCNode* label, float width) {
    const float natural = label->getContentSize().width;
    label->setScale(natural > width ? width / natural : 1.0f);
}

} // namespace

CDoneAchieveCell* CDoneAchieveCell::create(CTaskLayer* owner) {
    auto* cell = new CDoneAchieveCell;
    if (cell->build(owner)) {
        cell->autorelease();
        return cell;
    }
    delete cell;
    ClientLog::write("Fun CDoneAchieveCell::Create Error!");
    return nullptr;
}

bool CDoneAchieveCell::build(CTaskLayer* owner) {
    if (!CCTableViewCell::init()) return false;
    m_owner = owner;
    setContentSize(CCSizeMake(kWidth, kHeight));

    CCSprite* back = Pictures::sprite("common_btn_max.png");
    back->setAnchorPoint(CCPointZero);
    back->setScale(0.6566f);
    addChild(back, 0);

    m_name = Pictures::label("", 20, CCSizeZero, kCCTextAlignmentLeft);
    m_name->setAnchorPoint(ccp(0, 0.5f));
    m_name->setPosition(ccp(100, 70));
    m_name->setColor(kNameColour);
    addChild(m_name, 1);

    m_desc = Pictures::label("", 20, CCSizeZero, kCCTextAlignmentLeft);
    m_desc->setAnchorPoint(ccp(0, 0.5f));
    m_desc->setPosition(ccp(100, 40));
    m_desc->setColor(kDescColour);
    addChild(m_desc, 1);

    m_progress = CCLabelBMFont::create("", "NumFont.fnt");
    if (m_progress) {
        m_progress->setScale(kProgressScale);
        m_progress->setPosition(ccp(350, 70));
        addChild(m_progress, 1);
    }

    const ccColor3B white = {255, 255, 255};
    m_claimItem = CCMenuItemSprite::create(buttonLook(white), buttonLook({200, 200, 200}), buttonLook({150, 150, 150}),
                                           this, menu_selector(CDoneAchieveCell::claim));
    if (m_claimItem == nullptr) return false;
    // The item takes its size from the unscaled picture: the item is scaled, not the pictures.
    m_claimItem->setScale(kButtonScale);
    CListMenu* menu = CListMenu::create(m_claimItem, owner ? owner->table() : nullptr);
    if (menu == nullptr) return false;
    menu->setPosition(ccp(680, 50));
    addChild(menu, 2);
    m_caption = CCLabelBMFont::create("", "Chinese.fnt");
    if (m_caption) {
        m_caption->setScale(kCaptionScale);
        m_caption->setPosition(ccp(680, 50));
        addChild(m_caption, 3);
    }

    // Sharing is not offered on this device kind: the button is carried but never shown.
    CCSprite* share = Pictures::sprite("common_greyBtn2.png");
    share->setScale(0.67f);
    CCLabelTTF* shareText = Pictures::label(LocalText::instance().text("Share"), 30, CCSizeZero,
                                            kCCTextAlignmentCenter);
    shareText->setPosition(ccp(share->getContentSize().width / 2, share->getContentSize().height / 2));
    share->addChild(shareText);
    share->setPosition(ccp(680, 50));
    share->setVisible(false);
    addChild(share, 1);
    m_share = share;
    return true;
}

void CDoneAchieveCell::setIcon(const std::string& frameName) {
    if (m_icon) {
        m_icon->removeFromParent();
        m_icon = nullptr;
    }
    CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(frameName.c_str());
    if (frame == nullptr) {
        // The row still reads without its picture.
        ClientLog::write("task: achievement %d names the icon \"%s\", which is no frame", m_id, frameName.c_str());
        return;
    }
    m_icon = CCSprite::createWithSpriteFrame(frame);
    const float height = m_icon->getContentSize().height;
    if (height > 0) m_icon->setScale(kIconHeight / height);
    m_icon->setPosition(ccp(60, 55));
    addChild(m_icon, 1);
}

void CDoneAchieveCell::fill(const AchievementItem& entry, bool finishedTab, bool claimPending) {
    m_id = entry.id;
    m_entry = entry;
    setIcon(entry.img);

    m_name->setString(entry.name.c_str());
    fitWidth(m_name, kNameWidth);
    m_desc->setString(entry.desc.c_str());
    fitWidth(m_desc, kDescWidth);
    const std::string progress = std::to_string(entry.doCount) + "/" + std::to_string(entry.done);
    if (m_progress) m_progress->setString(progress.c_str());

    m_claimItem->setVisible(finishedTab);
    if (m_caption) m_caption->setVisible(finishedTab);
    const bool taken = entry.prize == 1 || claimPending;
    m_claimItem->setEnabled(finishedTab && !taken);
    if (m_caption) m_caption->setString(LocalText::instance().text(taken ? "AchieveGot" : "Get").c_str());
}

void CDoneAchieveCell::claim(CCObject*) {
    if (!m_claimItem->isEnabled()) return;
    SoundManager::instance().playEffect("buttonT.mp3");
    if (m_caption) m_caption->setString(LocalText::instance().text("AchieveGot").c_str());
    m_claimItem->setEnabled(false);
    if (m_owner) m_owner->requestClaim(m_id);
}
