#include "actions/CCSpeed.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"

namespace cocos2d {

CCSpeed::~CCSpeed()
{
    CC_SAFE_RELEASE(m_pInnerAction);
}

CCSpeed* CCSpeed::create(CCActionInterval* action, float speed)
{
    auto* result = new CCSpeed();
    return detail::autoreleased(result, result->initWithAction(action, speed));
}

bool CCSpeed::initWithAction(CCActionInterval* action, float speed)
{
    if (!action) {
        CCLog("CCSpeed: null action refused");
        return false;
    }
    action->retain();
    CC_SAFE_RELEASE(m_pInnerAction);
    m_pInnerAction = action;
    m_fSpeed = speed;
    return true;
}

CCObject* CCSpeed::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInnerAction->copy());
    auto* copy = new CCSpeed();
    copy->initWithAction(inner, m_fSpeed);
    inner->release();
    return copy;
}

void CCSpeed::startWithTarget(CCNode* target)
{
    CCAction::startWithTarget(target);
    m_pInnerAction->startWithTarget(target);
}

void CCSpeed::stop()
{
    m_pInnerAction->stop();
    CCAction::stop();
}

void CCSpeed::step(float dt)
{
    m_pInnerAction->step(dt * m_fSpeed);
}

bool CCSpeed::isDone()
{
    return m_pInnerAction->isDone();
}

CCSpeed* CCSpeed::reverse()
{
    CCActionInterval* inner = m_pInnerAction->reverse();
    if (!inner)
        return nullptr;
    return CCSpeed::create(inner, m_fSpeed);
}

} // namespace cocos2d
