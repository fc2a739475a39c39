#include "nodes/CCNode.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "actions/CCAction.h"
#include "actions/CCActionManager.h"
#include "base/CCConsole.h"
#include "director/CCDirector.h"
#include "director/CCScheduler.h"
#include "nodes/CCCamera.h"
#include "render/Renderer.h"
#include "touch/CCTouch.h"

namespace cocos2d {

namespace {
// Arrival numbers: later additions and re-orders draw above earlier ones of the same z.
unsigned int g_globalOrderOfArrival = 1;

// Children retained for the duration of a walk that may run user code (which may add or remove).
std::vector<CCNode*> snapshot(CCArray* children)
{
    std::vector<CCNode*> nodes;
    if (!children)
        return nodes;
    nodes.reserve(children->count());
    for (CCObject* object : *children) {
        object->retain();
        nodes.push_back(static_cast<CCNode*>(object));
    }
    return nodes;
}

void releaseAll(std::vector<CCNode*>& nodes)
{
    for (CCNode* node : nodes)
        node->release();
    nodes.clear();
}
} // namespace

CCNode::CCNode()
    : m_transform(CCAffineTransformIdentity), m_inverse(CCAffineTransformIdentity)
{
    CCDirector* director = CCDirector::sharedDirector();
    m_actionManager = director->getActionManager();
    CC_SAFE_RETAIN(m_actionManager);
    m_scheduler = director->getScheduler();
    CC_SAFE_RETAIN(m_scheduler);
}

CCNode::~CCNode()
{
    CC_SAFE_RELEASE(m_actionManager);
    CC_SAFE_RELEASE(m_scheduler);
    CC_SAFE_RELEASE(m_camera);
    CC_SAFE_RELEASE(m_userObject);
    if (m_children) {
        for (CCObject* object : *m_children)
            static_cast<CCNode*>(object)->m_parent = nullptr;
        m_children->release();
    }
}

bool CCNode::init()
{
    return true;
}

CCNode* CCNode::create()
{
    auto* node = new CCNode();
    if (node->init()) {
        node->autorelease();
        return node;
    }
    delete node;
    return nullptr;
}

const char* CCNode::description()
{
    return "<CCNode>";
}

void CCNode::setZOrder(int zOrder)
{
    _setZOrder(zOrder);
    if (m_parent)
        m_parent->reorderChild(this, zOrder);
}

void CCNode::setScaleX(float scaleX)
{
    m_scaleX = scaleX;
    markTransformDirty();
}

void CCNode::setScaleY(float scaleY)
{
    m_scaleY = scaleY;
    markTransformDirty();
}

void CCNode::setScale(float scale)
{
    m_scaleX = m_scaleY = scale;
    markTransformDirty();
}

void CCNode::setScale(float scaleX, float scaleY)
{
    m_scaleX = scaleX;
    m_scaleY = scaleY;
    markTransformDirty();
}

float CCNode::getScale() const
{
    if (m_scaleX != m_scaleY)
        CCLog("CCNode::getScale: scaleX (%g) and scaleY (%g) differ, returning scaleX", m_scaleX, m_scaleY);
    return m_scaleX;
}

void CCNode::setPosition(const CCPoint& position)
{
    m_position = position;
    markTransformDirty();
}

void CCNode::setPosition(float x, float y)
{
    setPosition(CCPoint(x, y));
}

void CCNode::getPosition(float* x, float* y) const
{
    if (x)
        *x = m_position.x;
    if (y)
        *y = m_position.y;
}

void CCNode::setPositionX(float x)
{
    setPosition(CCPoint(x, m_position.y));
}

void CCNode::setPositionY(float y)
{
    setPosition(CCPoint(m_position.x, y));
}

void CCNode::setSkewX(float skewX)
{
    m_skewX = skewX;
    markTransformDirty();
}

void CCNode::setSkewY(float skewY)
{
    m_skewY = skewY;
    markTransformDirty();
}

void CCNode::setAnchorPoint(const CCPoint& point)
{
    if (point.equals(m_anchorPoint))
        return;
    m_anchorPoint = point;
    m_anchorPointInPoints = CCPoint(m_contentSize.width * point.x, m_contentSize.height * point.y);
    markTransformDirty();
}

void CCNode::setContentSize(const CCSize& size)
{
    if (size.equals(m_contentSize))
        return;
    m_contentSize = size;
    m_anchorPointInPoints = CCPoint(size.width * m_anchorPoint.x, size.height * m_anchorPoint.y);
    markTransformDirty();
}

void CCNode::setRotation(float rotation)
{
    m_rotationX = m_rotationY = rotation;
    markTransformDirty();
}

float CCNode::getRotation() const
{
    if (m_rotationX != m_rotationY)
        CCLog("CCNode::getRotation: rotationX (%g) and rotationY (%g) differ, returning rotationX", m_rotationX,
              m_rotationY);
    return m_rotationX;
}

void CCNode::setRotationX(float rotationX)
{
    m_rotationX = rotationX;
    markTransformDirty();
}

void CCNode::setRotationY(float rotationY)
{
    m_rotationY = rotationY;
    markTransformDirty();
}

void CCNode::ignoreAnchorPointForPosition(bool ignore)
{
    if (ignore == m_ignoreAnchorPointForPosition)
        return;
    m_ignoreAnchorPointForPosition = ignore;
    markTransformDirty();
}

// --- children

void CCNode::addChild(CCNode* child)
{
    if (!child) {
        CCLog("CCNode::addChild: null child refused");
        return;
    }
    addChild(child, child->m_zOrder, child->m_tag);
}

void CCNode::addChild(CCNode* child, int zOrder)
{
    if (!child) {
        CCLog("CCNode::addChild: null child refused");
        return;
    }
    addChild(child, zOrder, child->m_tag);
}

void CCNode::addChild(CCNode* child, int zOrder, int tag)
{
    if (!child) {
        CCLog("CCNode::addChild: null child refused");
        return;
    }
    if (child->m_parent) {
        CCAssert(false, "child already added. It can't be added again");
        return;
    }
    if (child == this) {
        CCLog("CCNode::addChild: a node cannot be its own child");
        return;
    }
    if (!m_children) {
        m_children = new CCArray();
        m_children->initWithCapacity(4);
    }
    insertChild(child, zOrder);
    child->m_tag = tag;
    child->setParent(this);
    child->setOrderOfArrival(g_globalOrderOfArrival++);
    if (m_running) {
        child->onEnter();
        child->onEnterTransitionDidFinish();
    }
}

void CCNode::insertChild(CCNode* child, int z)
{
    m_reorderChildDirty = true;
    m_children->addObject(child);
    child->_setZOrder(z);
}

CCNode* CCNode::getChildByTag(int tag)
{
    if (tag == kCCNodeTagInvalid) {
        CCLog("CCNode::getChildByTag: invalid tag");
        return nullptr;
    }
    if (!m_children)
        return nullptr;
    for (CCObject* object : *m_children) {
        auto* node = static_cast<CCNode*>(object);
        if (node->m_tag == tag)
            return node;
    }
    return nullptr;
}

unsigned int CCNode::getChildrenCount() const
{
    return m_children ? m_children->count() : 0;
}

void CCNode::removeFromParent()
{
    removeFromParentAndCleanup(true);
}

void CCNode::removeFromParentAndCleanup(bool cleanup)
{
    if (m_parent)
        m_parent->removeChild(this, cleanup);
}

void CCNode::removeChild(CCNode* child)
{
    removeChild(child, true);
}

void CCNode::removeChild(CCNode* child, bool cleanup)
{
    if (!m_children || !child)
        return;
    if (m_children->containsObject(child))
        detachChild(child, cleanup);
}

void CCNode::removeChildByTag(int tag)
{
    removeChildByTag(tag, true);
}

void CCNode::removeChildByTag(int tag, bool cleanup)
{
    if (tag == kCCNodeTagInvalid) {
        CCLog("CCNode::removeChildByTag: invalid tag");
        return;
    }
    CCNode* child = getChildByTag(tag);
    if (!child)
        CCLog("cocos2d: removeChildByTag(tag = %d): child not found!", tag);
    else
        removeChild(child, cleanup);
}

void CCNode::removeAllChildren()
{
    removeAllChildrenWithCleanup(true);
}

void CCNode::removeAllChildrenWithCleanup(bool cleanup)
{
    if (!m_children || m_children->count() == 0)
        return;
    std::vector<CCNode*> children = snapshot(m_children);
    for (CCNode* child : children) {
        if (child->m_parent != this)
            continue; // removed by an earlier child's callbacks
        if (m_running) {
            child->onExitTransitionDidStart();
            child->onExit();
        }
        if (cleanup)
            child->cleanup();
        child->setParent(nullptr);
        m_children->removeObject(child);
    }
    releaseAll(children);
}

void CCNode::detachChild(CCNode* child, bool doCleanup)
{
    // The exit callbacks may release the last outside reference; keep the child until done.
    child->retain();
    if (m_running) {
        child->onExitTransitionDidStart();
        child->onExit();
    }
    if (doCleanup)
        child->cleanup();
    child->setParent(nullptr);
    if (m_children)
        m_children->removeObject(child);
    child->release();
}

void CCNode::reorderChild(CCNode* child, int zOrder)
{
    if (!child || !m_children || !m_children->containsObject(child)) {
        CCLog("CCNode::reorderChild: not a child of this node");
        return;
    }
    m_reorderChildDirty = true;
    child->setOrderOfArrival(g_globalOrderOfArrival++);
    child->_setZOrder(zOrder);
}

void CCNode::sortAllChildren()
{
    if (!m_reorderChildDirty || !m_children)
        return;
    m_children->stableSort([](CCObject* a, CCObject* b) {
        auto* na = static_cast<CCNode*>(a);
        auto* nb = static_cast<CCNode*>(b);
        if (na->getZOrder() != nb->getZOrder())
            return na->getZOrder() < nb->getZOrder();
        return na->getOrderOfArrival() < nb->getOrderOfArrival();
    });
    m_reorderChildDirty = false;
}

void CCNode::setUserObject(CCObject* userObject)
{
    CC_SAFE_RETAIN(userObject);
    CC_SAFE_RELEASE(m_userObject);
    m_userObject = userObject;
}

CCCamera* CCNode::getCamera()
{
    if (!m_camera)
        m_camera = new CCCamera();
    return m_camera;
}

// --- lifecycle

void CCNode::onEnter()
{
    m_running = true;
    if (m_children) {
        // Index walk: a child's onEnter may add siblings, which addChild enters itself.
        for (unsigned int i = 0; i < m_children->count(); ++i) {
            auto* child = static_cast<CCNode*>(m_children->objectAtIndex(i));
            if (!child->isRunning())
                child->onEnter();
        }
    }
    resumeSchedulerAndActions();
}

void CCNode::onEnterTransitionDidFinish()
{
    std::vector<CCNode*> children = snapshot(m_children);
    for (CCNode* child : children)
        if (child->m_parent == this)
            child->onEnterTransitionDidFinish();
    releaseAll(children);
}

void CCNode::onExitTransitionDidStart()
{
    std::vector<CCNode*> children = snapshot(m_children);
    for (CCNode* child : children)
        if (child->m_parent == this)
            child->onExitTransitionDidStart();
    releaseAll(children);
}

void CCNode::onExit()
{
    pauseSchedulerAndActions();
    m_running = false;
    std::vector<CCNode*> children = snapshot(m_children);
    for (CCNode* child : children)
        if (child->m_parent == this)
            child->onExit();
    releaseAll(children);
}

void CCNode::cleanup()
{
    stopAllActions();
    unscheduleAllSelectors();
    std::vector<CCNode*> children = snapshot(m_children);
    for (CCNode* child : children)
        child->cleanup();
    releaseAll(children);
}

void CCNode::visit()
{
    if (!m_visible)
        return;
    Renderer* renderer = Renderer::current();
    renderer->pushMatrix(nodeToParentMatrix());
    if (m_children && m_children->count() > 0) {
        sortAllChildren();
        unsigned int i = 0;
        for (; i < m_children->count(); ++i) {
            auto* child = static_cast<CCNode*>(m_children->objectAtIndex(i));
            if (child->m_zOrder >= 0)
                break;
            child->visit();
        }
        draw();
        for (; i < m_children->count(); ++i)
            static_cast<CCNode*>(m_children->objectAtIndex(i))->visit();
    } else {
        draw();
    }
    // Equal-z siblings keep their current order at the next sort; see sortAllChildren.
    m_orderOfArrival = 0;
    renderer->popMatrix();
}

CCRect CCNode::boundingBox()
{
    CCRect rect(0, 0, m_contentSize.width, m_contentSize.height);
    return CCRectApplyAffineTransform(rect, nodeToParentTransform());
}

// --- actions

void CCNode::setActionManager(CCActionManager* actionManager)
{
    if (actionManager == m_actionManager)
        return;
    stopAllActions();
    CC_SAFE_RETAIN(actionManager);
    CC_SAFE_RELEASE(m_actionManager);
    m_actionManager = actionManager;
}

CCAction* CCNode::runAction(CCAction* action)
{
    if (!action) {
        CCLog("CCNode::runAction: null action refused");
        return nullptr;
    }
    if (m_actionManager)
        m_actionManager->addAction(action, this, !m_running);
    return action;
}

void CCNode::stopAllActions()
{
    if (m_actionManager)
        m_actionManager->removeAllActionsFromTarget(this);
}

void CCNode::stopAction(CCAction* action)
{
    if (m_actionManager)
        m_actionManager->removeAction(action);
}

void CCNode::stopActionByTag(int tag)
{
    if (tag == kCCActionTagInvalid) {
        CCLog("CCNode::stopActionByTag: invalid tag");
        return;
    }
    if (m_actionManager)
        m_actionManager->removeActionByTag(static_cast<unsigned int>(tag), this);
}

CCAction* CCNode::getActionByTag(int tag)
{
    if (tag == kCCActionTagInvalid) {
        CCLog("CCNode::getActionByTag: invalid tag");
        return nullptr;
    }
    return m_actionManager ? m_actionManager->getActionByTag(static_cast<unsigned int>(tag), this) : nullptr;
}

unsigned int CCNode::numberOfRunningActions()
{
    return m_actionManager ? m_actionManager->numberOfRunningActionsInTarget(this) : 0;
}

// --- scheduler

void CCNode::setScheduler(CCScheduler* scheduler)
{
    if (scheduler == m_scheduler)
        return;
    unscheduleAllSelectors();
    CC_SAFE_RETAIN(scheduler);
    CC_SAFE_RELEASE(m_scheduler);
    m_scheduler = scheduler;
}

bool CCNode::isScheduled(SEL_SCHEDULE selector)
{
    return m_scheduler && m_scheduler->isScheduled(selector, this);
}

void CCNode::scheduleUpdate()
{
    scheduleUpdateWithPriority(0);
}

void CCNode::scheduleUpdateWithPriority(int priority)
{
    if (m_scheduler)
        m_scheduler->scheduleUpdateForTarget(this, priority, !m_running);
}

void CCNode::unscheduleUpdate()
{
    if (m_scheduler)
        m_scheduler->unscheduleUpdateForTarget(this);
}

void CCNode::schedule(SEL_SCHEDULE selector, float interval, unsigned int repeat, float delay)
{
    if (!selector) {
        CCLog("CCNode::schedule: null selector refused");
        return;
    }
    if (interval < 0) {
        CCLog("CCNode::schedule: negative interval %g treated as 0", interval);
        interval = 0;
    }
    if (m_scheduler)
        m_scheduler->scheduleSelector(selector, this, interval, repeat, delay, !m_running);
}

void CCNode::schedule(SEL_SCHEDULE selector, float interval)
{
    schedule(selector, interval, kCCRepeatForever, 0.0f);
}

void CCNode::scheduleOnce(SEL_SCHEDULE selector, float delay)
{
    schedule(selector, 0.0f, 0, delay);
}

void CCNode::schedule(SEL_SCHEDULE selector)
{
    schedule(selector, 0.0f, kCCRepeatForever, 0.0f);
}

void CCNode::unschedule(SEL_SCHEDULE selector)
{
    if (selector && m_scheduler)
        m_scheduler->unscheduleSelector(selector, this);
}

void CCNode::unscheduleAllSelectors()
{
    if (m_scheduler)
        m_scheduler->unscheduleAllForTarget(this);
}

void CCNode::resumeSchedulerAndActions()
{
    if (m_scheduler)
        m_scheduler->resumeTarget(this);
    if (m_actionManager)
        m_actionManager->resumeTarget(this);
}

void CCNode::pauseSchedulerAndActions()
{
    if (m_scheduler)
        m_scheduler->pauseTarget(this);
    if (m_actionManager)
        m_actionManager->pauseTarget(this);
}

} // namespace cocos2d
