#include "extensions/gui/UIWidget.h"

#include "director/CCDirector.h"
#include "extensions/gui/ClickSound.h"
#include "extensions/gui/UILayout.h"

namespace cocos2d::extension {

UIWidget::UIWidget() = default;
UIWidget::~UIWidget() = default;

CCArray* UIWidget::getChildren()
{
    CCArray* widgets = CCArray::create();
    if (m_children)
        for (unsigned int i = 0; i < m_children->count(); ++i)
            if (auto* widget = dynamic_cast<UIWidget*>(m_children->objectAtIndex(i)))
                widgets->addObject(widget);
    return widgets;
}

UIWidget* UIWidget::create()
{
    auto* widget = new UIWidget();
    if (widget->init()) {
        widget->autorelease();
        return widget;
    }
    delete widget;
    return nullptr;
}

bool UIWidget::init()
{
    if (!CCNodeRGBA::init())
        return false;
    setCascadeColorEnabled(true);
    setCascadeOpacityEnabled(true);
    CCNodeRGBA::setAnchorPoint(isContainer() ? CCPoint(0, 0) : CCPoint(0.5f, 0.5f));
    m_ignoreSize = !isContainer();
    setBrightStyle(BRIGHT_NORMAL);
    return true;
}

void UIWidget::setAnchorPoint(const CCPoint& anchor)
{
    CCNodeRGBA::setAnchorPoint(anchor);
    onSizeChanged();
}

void UIWidget::setSize(const CCSize& size)
{
    m_customSize = size;
    m_size = m_ignoreSize ? getContentNaturalSize() : size;
    if (isContainer())
        CCNodeRGBA::setContentSize(m_size);
    onSizeChanged();
}

void UIWidget::ignoreContentAdaptWithSize(bool ignore)
{
    m_ignoreSize = ignore;
    setSize(m_customSize);
}

void UIWidget::updateContentSize()
{
    if (m_ignoreSize)
        setSize(m_customSize);
    else
        onSizeChanged();
}

void UIWidget::onSizeChanged()
{
    // Children laid out by percent follow their parent's size.
    if (CCArray* children = getChildren())
        for (unsigned int i = 0; i < children->count(); ++i)
            if (auto* child = dynamic_cast<UIWidget*>(children->objectAtIndex(i)))
                if (child->m_sizeType == SIZE_PERCENT || child->m_positionType == POSITION_PERCENT)
                    child->updateSizeAndPosition();
}

void UIWidget::setSizePercent(const CCPoint& percent)
{
    m_sizePercent = percent;
    if (m_sizeType == SIZE_PERCENT)
        updateSizeAndPosition();
}

void UIWidget::setPositionPercent(const CCPoint& percent)
{
    m_positionPercent = percent;
    if (m_positionType == POSITION_PERCENT)
        updateSizeAndPosition();
}

void UIWidget::updateSizeAndPosition()
{
    CCSize parentSize;
    if (UIWidget* parent = getParentWidget())
        parentSize = parent->getSize();
    else if (getParent())
        parentSize = CCDirector::sharedDirector()->getWinSize();
    else
        return;
    if (m_sizeType == SIZE_PERCENT && !m_ignoreSize)
        setSize(CCSize(parentSize.width * m_sizePercent.x, parentSize.height * m_sizePercent.y));
    if (m_positionType == POSITION_PERCENT)
        setPosition(CCPoint(parentSize.width * m_positionPercent.x, parentSize.height * m_positionPercent.y));
}

void UIWidget::onEnter()
{
    CCNodeRGBA::onEnter();
    if (m_sizeType == SIZE_PERCENT || m_positionType == POSITION_PERCENT)
        updateSizeAndPosition();
}

CCPoint UIWidget::getWorldPosition() { return convertToWorldSpace(CCPoint()); }

CCRect UIWidget::getLocalBounds() const
{
    if (isContainer())
        return CCRect(0, 0, m_size.width, m_size.height);
    return CCRect(-m_size.width * m_anchorPoint.x, -m_size.height * m_anchorPoint.y, m_size.width, m_size.height);
}

void UIWidget::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (CCArray* children = getChildren())
        for (unsigned int i = 0; i < children->count(); ++i)
            if (auto* child = dynamic_cast<UIWidget*>(children->objectAtIndex(i)))
                child->setEnabled(enabled);
}

void UIWidget::setBright(bool bright)
{
    m_bright = bright;
    if (bright) {
        m_brightStyle = BRIGHT_NONE;
        setBrightStyle(BRIGHT_NORMAL);
    } else {
        onPressStateChangedToDisabled();
    }
}

void UIWidget::setBrightStyle(BrightStyle style)
{
    if (m_brightStyle == style)
        return;
    m_brightStyle = style;
    if (!m_bright)
        return;
    if (style == BRIGHT_HIGHLIGHT)
        onPressStateChangedToPressed();
    else
        onPressStateChangedToNormal();
}

void UIWidget::setFocused(bool focused)
{
    m_focused = focused;
    if (m_bright)
        setBrightStyle(focused ? BRIGHT_HIGHLIGHT : BRIGHT_NORMAL);
}

bool UIWidget::isVisibleInTree()
{
    for (CCNode* node = this; node; node = node->getParent())
        if (!node->isVisible())
            return false;
    return true;
}

void UIWidget::visit()
{
    if (!m_enabled)
        return;
    CCNodeRGBA::visit();
}

void UIWidget::addTouchEventListener(CCObject* target, SEL_TouchEvent selector)
{
    m_touchTarget = target;
    m_touchSelector = selector;
}

bool UIWidget::hitTest(const CCPoint& worldPoint)
{
    CCPoint local = convertToNodeSpace(worldPoint);
    return getLocalBounds().containsPoint(local);
}

bool UIWidget::clippingParentAreaContainPoint(const CCPoint& worldPoint)
{
    for (UIWidget* parent = getParentWidget(); parent; parent = parent->getParentWidget())
        if (auto* layout = dynamic_cast<UILayout*>(parent); layout && layout->isClippingEnabled())
            if (!layout->hitTest(worldPoint))
                return false;
    return true;
}

void UIWidget::sendTouchEvent(TouchEventType type)
{
    if (!hasTouchEventListener())
        return;
    // The listener may remove this widget; keep it alive until we return.
    retain();
    if (type == TOUCH_EVENT_BEGAN)
        playClickSound();
    (m_touchTarget->*m_touchSelector)(this, type);
    release();
}

bool UIWidget::onTouchBegan(const CCPoint& touchPoint)
{
    m_touchStart = touchPoint;
    m_lostFocus = false;
    setFocused(true);
    sendTouchEvent(TOUCH_EVENT_BEGAN);
    return true;
}

void UIWidget::onTouchMoved(const CCPoint& touchPoint)
{
    m_touchMove = touchPoint;
    if (!m_lostFocus)
        setFocused(hitTest(touchPoint));
    sendTouchEvent(TOUCH_EVENT_MOVED);
}

void UIWidget::onTouchEnded(const CCPoint& touchPoint)
{
    m_touchEnd = touchPoint;
    bool inside = m_focused && !m_lostFocus;
    setFocused(false);
    retain();
    if (inside) {
        sendTouchEvent(TOUCH_EVENT_ENDED);
        onTouchReleasedInside();
    } else {
        sendTouchEvent(TOUCH_EVENT_CANCELED);
    }
    release();
}

void UIWidget::onTouchCancelled(const CCPoint& touchPoint)
{
    m_touchEnd = touchPoint;
    setFocused(false);
    sendTouchEvent(TOUCH_EVENT_CANCELED);
}

void UIWidget::loseTouchFocus()
{
    m_lostFocus = true;
    setFocused(false);
}

UIWidget* UIWidget::getChildByName(const char* name)
{
    if (!name)
        return nullptr;
    if (CCArray* children = getChildren())
        for (unsigned int i = 0; i < children->count(); ++i)
            if (auto* child = dynamic_cast<UIWidget*>(children->objectAtIndex(i)); child && child->m_name == name)
                return child;
    return nullptr;
}

UIWidget* UIWidget::getParentWidget() { return dynamic_cast<UIWidget*>(getParent()); }

} // namespace cocos2d::extension
