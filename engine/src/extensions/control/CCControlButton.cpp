#include "extensions/control/CCControlButton.h"

#include <algorithm>

#include "actions/CCScaleTo.h"
#include "base/CCString.h"
#include "extensions/control/CCScale9Sprite.h"
#include "labels/CCLabelBMFont.h"
#include "labels/CCLabelTTF.h"

namespace cocos2d::extension {

namespace {
constexpr int kZoomActionTag = 0xCCB0;
constexpr float kZoomDuration = 0.05f;
constexpr float kZoomScale = 1.1f;

void setLabelText(CCNode* label, const char* text)
{
    if (auto* ttf = dynamic_cast<CCLabelTTF*>(label))
        ttf->setString(text);
    else if (auto* bm = dynamic_cast<CCLabelBMFont*>(label))
        bm->setString(text);
}

const char* labelText(CCNode* label)
{
    if (auto* ttf = dynamic_cast<CCLabelTTF*>(label))
        return ttf->getString();
    if (auto* bm = dynamic_cast<CCLabelBMFont*>(label))
        return bm->getString();
    return "";
}
} // namespace

CCControlButton::CCControlButton() = default;

CCControlButton::~CCControlButton()
{
    for (auto& [state, title] : m_titles)
        title->release();
    for (auto& [state, label] : m_titleLabels)
        label->release();
    for (auto& [state, sprite] : m_backgrounds)
        sprite->release();
}

CCControlButton* CCControlButton::create()
{
    auto* button = new CCControlButton();
    if (button->init()) {
        button->autorelease();
        return button;
    }
    delete button;
    return nullptr;
}

CCControlButton* CCControlButton::create(CCNode* label, CCScale9Sprite* backgroundSprite)
{
    auto* button = new CCControlButton();
    if (button->initWithLabelAndBackgroundSprite(label, backgroundSprite)) {
        button->autorelease();
        return button;
    }
    delete button;
    return nullptr;
}

CCControlButton* CCControlButton::create(std::string title, const char* fontName, float fontSize)
{
    CCLabelTTF* label = CCLabelTTF::create(title.c_str(), fontName, fontSize);
    return create(label, CCScale9Sprite::create());
}

CCControlButton* CCControlButton::create(CCScale9Sprite* sprite)
{
    return create(CCLabelTTF::create("", "Helvetica", 12), sprite);
}

bool CCControlButton::init() { return initWithLabelAndBackgroundSprite(CCLabelTTF::create("", "Helvetica", 12), CCScale9Sprite::create()); }

bool CCControlButton::initWithLabelAndBackgroundSprite(CCNode* label, CCScale9Sprite* backgroundSprite)
{
    if (!CCControl::init() || !label || !backgroundSprite)
        return false;
    ignoreAnchorPointForPosition(false);
    setAnchorPoint(CCPoint(0.5f, 0.5f));
    setCascadeColorEnabled(true);
    setCascadeOpacityEnabled(true);
    m_titleLabel = label;
    m_background = backgroundSprite;
    addChild(m_background, 0);
    addChild(m_titleLabel, 1);
    setTitleForState(CCString::create(labelText(label)), CCControlStateNormal);
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(label))
        setTitleColorForState(rgba->getColor(), CCControlStateNormal);
    setTitleLabelForState(label, CCControlStateNormal);
    setBackgroundSpriteForState(backgroundSprite, CCControlStateNormal);
    needsLayout();
    return true;
}

template <typename T>
T* CCControlButton::forState(std::map<CCControlState, T*>& map, CCControlState state)
{
    auto it = map.find(state);
    if (it != map.end())
        return it->second;
    it = map.find(CCControlStateNormal);
    return it == map.end() ? nullptr : it->second;
}

CCString* CCControlButton::getTitleForState(CCControlState state) { return forState(m_titles, state); }

void CCControlButton::setTitleForState(CCString* title, CCControlState state)
{
    if (!title)
        title = CCString::create("");
    title->retain();
    if (auto it = m_titles.find(state); it != m_titles.end())
        it->second->release();
    m_titles[state] = title;
    if (getState() == state)
        needsLayout();
}

const ccColor3B CCControlButton::getTitleColorForState(CCControlState state)
{
    auto it = m_titleColors.find(state);
    if (it == m_titleColors.end())
        it = m_titleColors.find(CCControlStateNormal);
    return it == m_titleColors.end() ? ccWHITE : it->second;
}

void CCControlButton::setTitleColorForState(ccColor3B color, CCControlState state)
{
    m_titleColors[state] = color;
    if (getState() == state)
        needsLayout();
}

CCNode* CCControlButton::getTitleLabelForState(CCControlState state) { return forState(m_titleLabels, state); }

void CCControlButton::setTitleLabelForState(CCNode* label, CCControlState state)
{
    if (!label)
        return;
    label->retain();
    if (auto it = m_titleLabels.find(state); it != m_titleLabels.end()) {
        if (it->second != label && it->second->getParent() == this)
            removeChild(it->second, true);
        it->second->release();
    }
    m_titleLabels[state] = label;
    if (!label->getParent())
        addChild(label, 1);
    label->setVisible(false);
    label->setAnchorPoint(CCPoint(0.5f, 0.5f));
    needsLayout();
}

CCScale9Sprite* CCControlButton::getBackgroundSpriteForState(CCControlState state)
{
    return forState(m_backgrounds, state);
}

void CCControlButton::setBackgroundSpriteForState(CCScale9Sprite* sprite, CCControlState state)
{
    if (!sprite)
        return;
    sprite->retain();
    if (auto it = m_backgrounds.find(state); it != m_backgrounds.end()) {
        if (it->second != sprite && it->second->getParent() == this)
            removeChild(it->second, true);
        it->second->release();
    }
    m_backgrounds[state] = sprite;
    if (!sprite->getParent())
        addChild(sprite, 0);
    sprite->setVisible(false);
    sprite->setAnchorPoint(CCPoint(0.5f, 0.5f));
    if (m_preferredSize.width > 0 && m_preferredSize.height > 0)
        sprite->setPreferredSize(m_preferredSize);
    needsLayout();
}

void CCControlButton::setBackgroundSpriteFrameForState(CCSpriteFrame* spriteFrame, CCControlState state)
{
    if (CCScale9Sprite* sprite = CCScale9Sprite::createWithSpriteFrame(spriteFrame))
        setBackgroundSpriteForState(sprite, state);
}

void CCControlButton::setPreferredSize(CCSize size)
{
    m_preferredSize = size;
    m_adjustBackground = size.width <= 0 || size.height <= 0;
    for (auto& [state, sprite] : m_backgrounds)
        sprite->setPreferredSize(size);
    needsLayout();
}

void CCControlButton::setAdjustBackgroundImage(bool adjust)
{
    m_adjustBackground = adjust;
    needsLayout();
}

void CCControlButton::setMargins(int marginH, int marginV)
{
    m_marginH = marginH;
    m_marginV = marginV;
    needsLayout();
}

void CCControlButton::setHighlighted(bool highlighted)
{
    CCControl::setHighlighted(highlighted);
    stopActionByTag(kZoomActionTag);
    if (m_enabled && m_zoomOnTouchDown) {
        CCAction* zoom = CCScaleTo::create(kZoomDuration, highlighted ? kZoomScale : 1.0f);
        zoom->setTag(kZoomActionTag);
        runAction(zoom);
    }
}

void CCControlButton::setEnabled(bool enabled)
{
    CCControl::setEnabled(enabled);
}

void CCControlButton::needsLayout()
{
    if (!m_titleLabel || !m_background)
        return;
    const CCControlState state = getState();
    // Hide the previous state's pieces, show this state's.
    m_titleLabel->setVisible(false);
    m_background->setVisible(false);
    if (CCNode* label = getTitleLabelForState(state))
        m_titleLabel = label;
    if (CCString* title = getTitleForState(state))
        setLabelText(m_titleLabel, title->getCString());
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(m_titleLabel))
        rgba->setColor(getTitleColorForState(state));
    if (CCScale9Sprite* background = getBackgroundSpriteForState(state))
        m_background = background;

    CCSize titleSize = m_titleLabel->boundingBox().size;
    if (m_adjustBackground) {
        m_background->setContentSize(CCSize(titleSize.width + 2.f * m_marginH, titleSize.height + 2.f * m_marginV));
    } else if (m_preferredSize.width > 0 && m_preferredSize.height > 0) {
        m_background->setContentSize(m_preferredSize);
    }
    CCSize backgroundSize = m_background->boundingBox().size;
    CCSize size(std::max(titleSize.width, backgroundSize.width), std::max(titleSize.height, backgroundSize.height));
    setContentSize(size);
    m_titleLabel->setPosition(CCPoint(size.width / 2, size.height / 2));
    m_background->setPosition(CCPoint(size.width / 2, size.height / 2));
    m_titleLabel->setVisible(true);
    m_background->setVisible(true);
}

bool CCControlButton::ccTouchBegan(CCTouch* touch, CCEvent*)
{
    if (!isTouchInside(touch) || !m_enabled || !isVisible() || !hasVisibleParents())
        return false;
    m_pushed = true;
    m_inside = true;
    setHighlighted(true);
    sendActionsForControlEvents(CCControlEventTouchDown);
    return true;
}

void CCControlButton::ccTouchMoved(CCTouch* touch, CCEvent*)
{
    if (!m_enabled || !m_pushed || m_selected) {
        if (m_highlighted)
            setHighlighted(false);
        return;
    }
    bool inside = isTouchInside(touch);
    if (inside && !m_inside) {
        m_inside = true;
        setHighlighted(true);
        sendActionsForControlEvents(CCControlEventTouchDragEnter);
    } else if (inside) {
        sendActionsForControlEvents(CCControlEventTouchDragInside);
    } else if (m_inside) {
        m_inside = false;
        setHighlighted(false);
        sendActionsForControlEvents(CCControlEventTouchDragExit);
    } else {
        sendActionsForControlEvents(CCControlEventTouchDragOutside);
    }
}

void CCControlButton::ccTouchEnded(CCTouch* touch, CCEvent*)
{
    m_pushed = false;
    setHighlighted(false);
    sendActionsForControlEvents(isTouchInside(touch) ? CCControlEventTouchUpInside : CCControlEventTouchUpOutside);
}

void CCControlButton::ccTouchCancelled(CCTouch*, CCEvent*)
{
    m_pushed = false;
    setHighlighted(false);
    sendActionsForControlEvents(CCControlEventTouchCancel);
}

} // namespace cocos2d::extension
