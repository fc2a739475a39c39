#include "actions/CCTargetedAction.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCTargetedAction::~CCTargetedAction()
{
    CC_SAFE_RELEASE(m_pForcedTarget);
    CC_SAFE_RELEASE(m_pAction);
}

CCTargetedAction* CCTargetedAction::create(CCNode* target, CCFiniteTimeAction* action)
{
    auto* targeted = new CCTargetedAction();
    return detail::autoreleased(targeted, targeted->initWithTarget(target, action));
}

bool CCTargetedAction::initWithTarget(CCNode* target, CCFiniteTimeAction* action)
{
    if (!target || !action) {
        CCLog("CCTargetedAction: null target or action refused");
        return false;
    }
    CCActionInterval::initWithDuration(action->getDuration());
    setForcedTarget(target);
    action->retain();
    CC_SAFE_RELEASE(m_pAction);
    m_pAction = action;
    return true;
}

void CCTargetedAction::setForcedTarget(CCNode* target)
{
    CC_SAFE_RETAIN(target);
    CC_SAFE_RELEASE(m_pForcedTarget);
    m_pForcedTarget = target;
}

CCObject* CCTargetedAction::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCFiniteTimeAction*>(m_pAction->copy());
    auto* copy = new CCTargetedAction();
    copy->initWithTarget(m_pForcedTarget, inner);
    inner->release();
    return copy;
}

void CCTargetedAction::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_pAction->startWithTarget(m_pForcedTarget);
}

void CCTargetedAction::stop()
{
    m_pAction->stop();
    CCActionInterval::stop();
}

void CCTargetedAction::update(float t)
{
    m_pAction->update(t);
}

} // namespace cocos2d
