#include "menu/CCMenuItemLabel.h"

#include "actions/CCScaleTo.h"
#include "base/CCConsole.h"
#include "labels/CCLabelBMFont.h"
#include "labels/CCLabelTTF.h"

namespace cocos2d {

namespace {
const int kZoomActionTag = 0xc0c05002;
}

CCMenuItemLabel* CCMenuItemLabel::create(CCNode* label, CCObject* target, SEL_MenuHandler selector)
{
    auto* item = new CCMenuItemLabel();
    if (!item->initWithLabel(label, target, selector)) {
        delete item;
        return nullptr;
    }
    item->autorelease();
    return item;
}

CCMenuItemLabel* CCMenuItemLabel::create(CCNode* label)
{
    return create(label, nullptr, nullptr);
}

bool CCMenuItemLabel::initWithLabel(CCNode* label, CCObject* target, SEL_MenuHandler selector)
{
    if (!label) {
        CCLog("CCMenuItemLabel: no label");
        return false;
    }
    initWithTarget(target, selector);
    m_originalScale = 1.0f;
    m_colorBackup = ccWHITE;
    setDisabledColor(ccc3(126, 126, 126));
    setLabel(label);
    setCascadeColorEnabled(true);
    setCascadeOpacityEnabled(true);
    return true;
}

void CCMenuItemLabel::setLabel(CCNode* label)
{
    if (label) {
        addChild(label);
        label->setAnchorPoint(CCPoint(0, 0));
        setContentSize(label->getContentSize());
    }
    if (m_label)
        removeChild(m_label, true);
    m_label = label;
}

void CCMenuItemLabel::setString(const char* text)
{
    if (auto* ttf = dynamic_cast<CCLabelTTF*>(m_label))
        ttf->setString(text);
    else if (auto* bm = dynamic_cast<CCLabelBMFont*>(m_label))
        bm->setString(text);
    if (m_label)
        setContentSize(m_label->getContentSize());
}

void CCMenuItemLabel::activate()
{
    if (!m_enabled)
        return;
    stopAllActions();
    setScale(m_originalScale);
    CCMenuItem::activate();
}

void CCMenuItemLabel::selected()
{
    if (!m_enabled)
        return;
    CCMenuItem::selected();
    if (CCAction* zoom = getActionByTag(kZoomActionTag))
        stopAction(zoom); // still zooming back: keep the scale from before the first zoom
    else
        m_originalScale = getScale();
    CCAction* zoomIn = CCScaleTo::create(0.1f, m_originalScale * 1.2f);
    zoomIn->setTag(kZoomActionTag);
    runAction(zoomIn);
}

void CCMenuItemLabel::unselected()
{
    if (!m_enabled)
        return;
    CCMenuItem::unselected();
    stopActionByTag(kZoomActionTag);
    CCAction* zoomOut = CCScaleTo::create(0.1f, m_originalScale);
    zoomOut->setTag(kZoomActionTag);
    runAction(zoomOut);
}

void CCMenuItemLabel::setEnabled(bool enabled)
{
    if (m_enabled != enabled) {
        auto* rgba = dynamic_cast<CCRGBAProtocol*>(m_label);
        if (rgba) {
            if (!enabled) {
                m_colorBackup = rgba->getColor();
                rgba->setColor(m_disabledColor);
            } else {
                rgba->setColor(m_colorBackup);
            }
        }
    }
    CCMenuItem::setEnabled(enabled);
}

} // namespace cocos2d
