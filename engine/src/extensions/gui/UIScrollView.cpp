#include "extensions/gui/UIScrollView.h"

#include <algorithm>
#include <cmath>

namespace cocos2d::extension {

namespace {
// A finger that moves this far (points) from where it went down is dragging, not tapping.
constexpr float kChildFocusCancelDistance = 5.f;
// Gliding speed kept per frame, and the speed (points per frame) below which it stops.
constexpr float kInertiaDecay = 0.9f;
constexpr float kInertiaStop = 0.5f;
} // namespace

UIScrollView* UIScrollView::create()
{
    auto* view = new UIScrollView();
    if (view->init()) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

bool UIScrollView::init()
{
    if (!UILayout::init())
        return false;
    m_inner = UILayout::create();
    m_inner->setName("innerContainer");
    CCNode::addChild(m_inner, 1, -1);
    setClippingEnabled(true);
    setTouchEnabled(true);
    return true;
}

void UIScrollView::addChild(CCNode* child, int zOrder, int tag)
{
    // Pictures of the view itself stay; widgets go into the scrolled container.
    if (m_inner && child != m_inner && dynamic_cast<UIWidget*>(child))
        m_inner->addChild(child, zOrder, tag);
    else
        UILayout::addChild(child, zOrder, tag);
}

void UIScrollView::removeAllChildren()
{
    if (m_inner)
        m_inner->removeAllChildren();
}

CCArray* UIScrollView::getChildren() { return m_inner ? m_inner->getChildren() : UILayout::getChildren(); }

void UIScrollView::setInnerContainerSize(const CCSize& size)
{
    // The container is never smaller than the view.
    CCSize inner(std::max(size.width, m_size.width), std::max(size.height, m_size.height));
    m_inner->setSize(inner);
    jumpToTop();
}

const CCSize& UIScrollView::getInnerContainerSize() const { return m_inner->getSize(); }

void UIScrollView::onSizeChanged()
{
    UILayout::onSizeChanged();
    if (m_inner) {
        const CCSize inner = m_inner->getSize();
        if (inner.width < m_size.width || inner.height < m_size.height)
            setInnerContainerSize(inner);
    }
}

void UIScrollView::jumpToTop()
{
    m_inner->setPosition(CCPoint(m_inner->getPositionX(), m_size.height - m_inner->getSize().height));
}

void UIScrollView::jumpToBottom() { m_inner->setPosition(CCPoint(m_inner->getPositionX(), 0)); }
void UIScrollView::jumpToLeft() { m_inner->setPosition(CCPoint(0, m_inner->getPositionY())); }

void UIScrollView::jumpToRight()
{
    m_inner->setPosition(CCPoint(m_size.width - m_inner->getSize().width, m_inner->getPositionY()));
}

void UIScrollView::moveInner(const CCPoint& delta)
{
    CCPoint d = delta;
    if (m_direction == SCROLLVIEW_DIR_VERTICAL || m_direction == SCROLLVIEW_DIR_NONE)
        d.x = 0;
    if (m_direction == SCROLLVIEW_DIR_HORIZONTAL || m_direction == SCROLLVIEW_DIR_NONE)
        d.y = 0;
    const CCSize inner = m_inner->getSize();
    CCPoint p = m_inner->getPosition() + d;
    p.x = std::clamp(p.x, std::min(0.f, m_size.width - inner.width), 0.f);
    p.y = std::clamp(p.y, std::min(0.f, m_size.height - inner.height), 0.f);
    m_inner->setPosition(p);
}

void UIScrollView::interceptTouchBegan(const CCPoint& point)
{
    m_dragStart = m_lastPoint = point;
    m_dragging = false;
    m_velocity = CCPoint();
    unscheduleUpdate();
}

void UIScrollView::interceptTouchMoved(const CCPoint& point, UIWidget* sender)
{
    if (!m_dragging && m_direction != SCROLLVIEW_DIR_NONE &&
        point.getDistance(m_dragStart) > kChildFocusCancelDistance) {
        m_dragging = true;
        if (sender && sender != this)
            sender->loseTouchFocus();
    }
    if (m_dragging) {
        m_velocity = point - m_lastPoint;
        moveInner(m_velocity);
    }
    m_lastPoint = point;
}

void UIScrollView::interceptTouchEnded(const CCPoint&)
{
    if (m_dragging && m_inertia && (m_velocity.x != 0 || m_velocity.y != 0))
        scheduleUpdate();
    m_dragging = false;
}

void UIScrollView::update(float)
{
    m_velocity = m_velocity * kInertiaDecay;
    if (m_dragging || (std::fabs(m_velocity.x) < kInertiaStop && std::fabs(m_velocity.y) < kInertiaStop)) {
        m_velocity = CCPoint();
        unscheduleUpdate();
        return;
    }
    moveInner(m_velocity);
}

bool UIScrollView::onTouchBegan(const CCPoint& touchPoint)
{
    UILayout::onTouchBegan(touchPoint);
    interceptTouchBegan(touchPoint);
    return true;
}

void UIScrollView::onTouchMoved(const CCPoint& touchPoint)
{
    UILayout::onTouchMoved(touchPoint);
    interceptTouchMoved(touchPoint, this);
}

void UIScrollView::onTouchEnded(const CCPoint& touchPoint)
{
    UILayout::onTouchEnded(touchPoint);
    interceptTouchEnded(touchPoint);
}

} // namespace cocos2d::extension
