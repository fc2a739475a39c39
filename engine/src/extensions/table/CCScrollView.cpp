#include "extensions/table/CCScrollView.h"

#include <algorithm>
#include <cmath>

#include "actions/CCCallFuncN.h"
#include "actions/CCMoveTo.h"
#include "actions/CCSequence.h"
#include "director/CCDirector.h"
#include "extensions/support/ScissorStack.h"
#include "touch/CCTouch.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d::extension {

namespace {
// 7/160 inch at 96 dots per inch.
constexpr float kDragThreshold = 7.0f / 160.0f * 96.0f;
constexpr float kDeceleration = 0.95f;
constexpr float kBounceDuration = 0.15f;
constexpr float kBounceShare = 0.2f; // of the view beyond the limits while bouncing
constexpr int kScrollActionTag = 0x5C0;
} // namespace

CCScrollView::CCScrollView() = default;
CCScrollView::~CCScrollView() = default;

CCScrollView* CCScrollView::create(CCSize size, CCNode* container)
{
    auto* view = new CCScrollView();
    if (view->initWithViewSize(size, container)) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

CCScrollView* CCScrollView::create() { return create(CCSize(200, 200), nullptr); }

bool CCScrollView::init() { return initWithViewSize(CCSize(200, 200), nullptr); }

bool CCScrollView::initWithViewSize(CCSize size, CCNode* container)
{
    if (!CCLayer::init())
        return false;
    if (!container) {
        container = CCLayer::create();
        container->ignoreAnchorPointForPosition(false);
        container->setAnchorPoint(CCPoint(0, 0));
    }
    setContainer(container);
    setViewSize(size);
    setTouchEnabled(true);
    return true;
}

void CCScrollView::setContainer(CCNode* container)
{
    if (!container)
        return;
    if (m_container)
        CCNode::removeChild(m_container, true);
    m_container = container;
    m_container->ignoreAnchorPointForPosition(false);
    m_container->setAnchorPoint(CCPoint(0, 0));
    CCLayer::addChild(m_container, 0, -1);
}

void CCScrollView::setViewSize(CCSize size)
{
    m_viewSize = size;
    CCLayer::setContentSize(size);
}

void CCScrollView::setContentSize(const CCSize& size)
{
    if (m_container) {
        m_container->setContentSize(size);
        relocateContainer(false);
    }
}

const CCSize& CCScrollView::getContentSize() const { return m_container->getContentSize(); }

void CCScrollView::addChild(CCNode* child, int zOrder, int tag)
{
    child->ignoreAnchorPointForPosition(false);
    child->setAnchorPoint(CCPoint(0, 0));
    if (m_container && child != m_container)
        m_container->addChild(child, zOrder, tag);
    else
        CCLayer::addChild(child, zOrder, tag);
}

CCPoint CCScrollView::maxContainerOffset() { return CCPoint(0, 0); }

CCPoint CCScrollView::minContainerOffset()
{
    const CCSize content = m_container->getContentSize();
    return CCPoint(m_viewSize.width - content.width * m_container->getScaleX(),
                   m_viewSize.height - content.height * m_container->getScaleY());
}

CCPoint CCScrollView::getContentOffset() { return m_container->getPosition(); }

void CCScrollView::setContentOffset(CCPoint offset, bool animated)
{
    if (animated) {
        setContentOffsetInDuration(offset, kBounceDuration);
        return;
    }
    if (!m_bounceable) {
        CCPoint lo = minContainerOffset(), hi = maxContainerOffset();
        offset.x = std::max(lo.x, std::min(hi.x, offset.x));
        offset.y = std::max(lo.y, std::min(hi.y, offset.y));
    }
    m_container->setPosition(offset);
    onScrolled();
    if (m_delegate)
        m_delegate->scrollViewDidScroll(this);
}

void CCScrollView::setContentOffsetInDuration(CCPoint offset, float duration)
{
    m_container->stopActionByTag(kScrollActionTag);
    CCAction* move = CCSequence::create(CCMoveTo::create(duration, offset),
                                        CCCallFuncN::create(this, callfuncN_selector(CCScrollView::stoppedAnimatedScroll)),
                                        nullptr);
    move->setTag(kScrollActionTag);
    m_container->runAction(move);
    schedule(schedule_selector(CCScrollView::performedAnimatedScroll));
}

void CCScrollView::performedAnimatedScroll(float)
{
    if (m_dragging) {
        unschedule(schedule_selector(CCScrollView::performedAnimatedScroll));
        return;
    }
    onScrolled();
    if (m_delegate)
        m_delegate->scrollViewDidScroll(this);
}

void CCScrollView::stoppedAnimatedScroll(CCNode*)
{
    unschedule(schedule_selector(CCScrollView::performedAnimatedScroll));
    onScrolled();
    if (m_delegate)
        m_delegate->scrollViewDidScroll(this);
}

void CCScrollView::relocateContainer(bool animated)
{
    CCPoint lo = minContainerOffset(), hi = maxContainerOffset();
    CCPoint old = m_container->getPosition();
    CCPoint target(std::max(lo.x, std::min(hi.x, old.x)), std::max(lo.y, std::min(hi.y, old.y)));
    if (m_direction == kCCScrollViewDirectionVertical)
        target.x = old.x;
    if (m_direction == kCCScrollViewDirectionHorizontal)
        target.y = old.y;
    if (target.x != old.x || target.y != old.y)
        setContentOffset(target, animated);
}

void CCScrollView::deaccelerateScrolling(float)
{
    if (m_dragging) {
        unschedule(schedule_selector(CCScrollView::deaccelerateScrolling));
        return;
    }
    CCPoint position = m_container->getPosition() + m_scrollDistance;
    CCPoint lo = minContainerOffset(), hi = maxContainerOffset();
    if (m_bounceable) {
        lo = lo - CCPoint(m_viewSize.width * kBounceShare, m_viewSize.height * kBounceShare);
        hi = hi + CCPoint(m_viewSize.width * kBounceShare, m_viewSize.height * kBounceShare);
    }
    position.x = std::max(lo.x, std::min(hi.x, position.x));
    position.y = std::max(lo.y, std::min(hi.y, position.y));
    m_scrollDistance = m_scrollDistance * kDeceleration;
    setContentOffset(position);
    bool slow = std::fabs(m_scrollDistance.x) <= 1 && std::fabs(m_scrollDistance.y) <= 1;
    bool atEdge = position.y == lo.y || position.y == hi.y || position.x == lo.x || position.x == hi.x;
    if (slow || (atEdge && (m_scrollDistance.x != 0 || m_scrollDistance.y != 0) &&
                 ((m_direction != kCCScrollViewDirectionHorizontal && (position.y == lo.y || position.y == hi.y)) ||
                  (m_direction != kCCScrollViewDirectionVertical && (position.x == lo.x || position.x == hi.x))))) {
        unschedule(schedule_selector(CCScrollView::deaccelerateScrolling));
        relocateContainer(true);
    }
}

CCRect CCScrollView::getViewRect()
{
    return ScissorStack::worldRectOf(this, CCRect(0, 0, m_viewSize.width, m_viewSize.height));
}

bool CCScrollView::isNodeVisible(CCNode* node)
{
    CCPoint offset = getContentOffset();
    CCRect viewRect(-offset.x / m_container->getScaleX(), -offset.y / m_container->getScaleY(),
                    m_viewSize.width / m_container->getScaleX(), m_viewSize.height / m_container->getScaleY());
    return viewRect.intersectsRect(node->boundingBox());
}

void CCScrollView::visit()
{
    if (!m_visible)
        return;
    if (!m_clipToBounds) {
        CCLayer::visit();
        return;
    }
    ScissorStack::push(getViewRect());
    CCLayer::visit();
    ScissorStack::pop();
}

void CCScrollView::registerWithTouchDispatcher()
{
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, getTouchPriority(), false);
}

bool CCScrollView::ccTouchBegan(CCTouch* touch, CCEvent*)
{
    for (CCNode* node = this; node; node = node->getParent())
        if (!node->isVisible())
            return false;
    if (m_tracking || !getViewRect().containsPoint(touch->getLocation()))
        return false;
    m_tracking = true;
    m_touchPoint = convertTouchToNodeSpace(touch);
    m_touchMoved = false;
    m_dragging = true;
    m_scrollDistance = CCPoint();
    m_container->stopActionByTag(kScrollActionTag);
    unschedule(schedule_selector(CCScrollView::deaccelerateScrolling));
    return true;
}

void CCScrollView::ccTouchMoved(CCTouch* touch, CCEvent*)
{
    if (!m_tracking || !m_dragging)
        return;
    CCPoint point = convertTouchToNodeSpace(touch);
    CCPoint delta = point - m_touchPoint;
    if (!m_touchMoved) {
        // The move that crosses the threshold only starts the drag.
        float distance = m_direction == kCCScrollViewDirectionVertical     ? std::fabs(delta.y)
                         : m_direction == kCCScrollViewDirectionHorizontal ? std::fabs(delta.x)
                                                                          : std::hypot(delta.x, delta.y);
        if (distance < kDragThreshold)
            return;
        m_touchMoved = true;
        m_touchPoint = point;
        return;
    }
    m_touchPoint = point;
    if (!getViewRect().containsPoint(touch->getLocation()))
        return;
    if (m_direction == kCCScrollViewDirectionVertical)
        delta.x = 0;
    else if (m_direction == kCCScrollViewDirectionHorizontal)
        delta.y = 0;
    else if (m_direction == kCCScrollViewDirectionNone)
        return;
    m_scrollDistance = delta;
    setContentOffset(m_container->getPosition() + delta);
}

void CCScrollView::ccTouchEnded(CCTouch*, CCEvent*)
{
    if (!m_tracking)
        return;
    m_tracking = false;
    if (m_touchMoved)
        schedule(schedule_selector(CCScrollView::deaccelerateScrolling));
    m_dragging = false;
    m_touchMoved = false;
}

void CCScrollView::ccTouchCancelled(CCTouch*, CCEvent*)
{
    m_tracking = false;
    m_dragging = false;
    m_touchMoved = false;
}

} // namespace cocos2d::extension
