#include "menu/CCMenuItemSprite.h"

#include "base/CCConsole.h"

namespace cocos2d {

namespace {
const int kNormalTag = 0x1;
const int kSelectedTag = 0x2;
const int kDisableTag = 0x3;
} // namespace

CCMenuItemSprite* CCMenuItemSprite::create(CCNode* normalSprite, CCNode* selectedSprite, CCNode* disabledSprite)
{
    return create(normalSprite, selectedSprite, disabledSprite, nullptr, nullptr);
}

CCMenuItemSprite* CCMenuItemSprite::create(CCNode* normalSprite, CCNode* selectedSprite, CCObject* target,
                                           SEL_MenuHandler selector)
{
    return create(normalSprite, selectedSprite, nullptr, target, selector);
}

CCMenuItemSprite* CCMenuItemSprite::create(CCNode* normalSprite, CCNode* selectedSprite, CCNode* disabledSprite,
                                           CCObject* target, SEL_MenuHandler selector)
{
    auto* item = new CCMenuItemSprite();
    if (!item->initWithNormalSprite(normalSprite, selectedSprite, disabledSprite, target, selector)) {
        delete item;
        return nullptr;
    }
    item->autorelease();
    return item;
}

bool CCMenuItemSprite::initWithNormalSprite(CCNode* normalSprite, CCNode* selectedSprite, CCNode* disabledSprite,
                                            CCObject* target, SEL_MenuHandler selector)
{
    if (!normalSprite) {
        CCLog("CCMenuItemSprite: no normal image");
        return false;
    }
    initWithTarget(target, selector);
    setNormalImage(normalSprite);
    setSelectedImage(selectedSprite);
    setDisabledImage(disabledSprite);
    if (m_normalImage)
        setContentSize(m_normalImage->getContentSize());
    return true;
}

void CCMenuItemSprite::replaceImage(CCNode*& slot, CCNode* image, int tag)
{
    if (image == slot)
        return;
    if (image) {
        addChild(image, 0, tag);
        image->setAnchorPoint(CCPoint(0, 0));
    }
    if (slot)
        removeChild(slot, true);
    slot = image;
    updateImagesVisibility();
}

void CCMenuItemSprite::setNormalImage(CCNode* image)
{
    replaceImage(m_normalImage, image, kNormalTag);
    if (m_normalImage)
        setContentSize(m_normalImage->getContentSize());
}

void CCMenuItemSprite::setSelectedImage(CCNode* image)
{
    replaceImage(m_selectedImage, image, kSelectedTag);
}

void CCMenuItemSprite::setDisabledImage(CCNode* image)
{
    replaceImage(m_disabledImage, image, kDisableTag);
}

void CCMenuItemSprite::selected()
{
    CCMenuItem::selected();
    if (!m_normalImage)
        return;
    if (m_disabledImage)
        m_disabledImage->setVisible(false);
    if (m_selectedImage) {
        m_normalImage->setVisible(false);
        m_selectedImage->setVisible(true);
    } else {
        m_normalImage->setVisible(true);
    }
}

void CCMenuItemSprite::unselected()
{
    CCMenuItem::unselected();
    if (!m_normalImage)
        return;
    m_normalImage->setVisible(true);
    if (m_selectedImage)
        m_selectedImage->setVisible(false);
    if (m_disabledImage)
        m_disabledImage->setVisible(false);
}

void CCMenuItemSprite::setEnabled(bool enabled)
{
    if (m_enabled != enabled) {
        CCMenuItem::setEnabled(enabled);
        updateImagesVisibility();
    }
}

void CCMenuItemSprite::updateImagesVisibility()
{
    if (m_enabled) {
        if (m_normalImage)
            m_normalImage->setVisible(true);
        if (m_selectedImage)
            m_selectedImage->setVisible(false);
        if (m_disabledImage)
            m_disabledImage->setVisible(false);
    } else if (m_disabledImage) {
        if (m_normalImage)
            m_normalImage->setVisible(false);
        if (m_selectedImage)
            m_selectedImage->setVisible(false);
        m_disabledImage->setVisible(true);
    } else {
        if (m_normalImage)
            m_normalImage->setVisible(true);
        if (m_selectedImage)
            m_selectedImage->setVisible(false);
    }
}

} // namespace cocos2d
