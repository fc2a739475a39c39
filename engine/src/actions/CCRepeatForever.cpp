#include "actions/CCRepeatForever.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"

namespace cocos2d {

CCRepeatForever::~CCRepeatForever()
{
    CC_SAFE_RELEASE(m_pInnerAction);
}

CCRepeatForever* CCRepeatForever::create(CCActionInterval* action)
{
    auto* repeat = new CCRepeatForever();
    return detail::autoreleased(repeat, repeat->initWithAction(action));
}

bool CCRepeatForever::initWithAction(CCActionInterval* action)
{
    if (!action) {
        CCLog("CCRepeatForever: null action refused");
        return false;
    }
    setInnerAction(action);
    return true;
}

void CCRepeatForever::setInnerAction(CCActionInterval* action)
{
    if (action == m_pInnerAction)
        return;
    CC_SAFE_RETAIN(action);
    CC_SAFE_RELEASE(m_pInnerAction);
    m_pInnerAction = action;
}

CCObject* CCRepeatForever::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInnerAction->copy());
    auto* copy = new CCRepeatForever();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

void CCRepeatForever::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_pInnerAction->startWithTarget(target);
}

void CCRepeatForever::step(float dt)
{
    if (!m_pTarget)
        return;
    m_pInnerAction->step(dt);
    if (m_pInnerAction->isDone()) {
        const float overshoot = m_pInnerAction->getElapsed() - m_pInnerAction->getDuration();
        m_pInnerAction->startWithTarget(m_pTarget);
        // The restart's first step only initialises; then the overshoot is applied.
        m_pInnerAction->step(0.0f);
        m_pInnerAction->step(overshoot);
    }
}

CCActionInterval* CCRepeatForever::reverse()
{
    CCActionInterval* inner = m_pInnerAction->reverse();
    return inner ? CCRepeatForever::create(inner) : nullptr;
}

} // namespace cocos2d
