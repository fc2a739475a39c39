#include "actions/CCReverseTime.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"

namespace cocos2d {

CCReverseTime::~CCReverseTime()
{
    CC_SAFE_RELEASE(m_pOther);
}

CCReverseTime* CCReverseTime::create(CCFiniteTimeAction* action)
{
    auto* reverse = new CCReverseTime();
    return detail::autoreleased(reverse, reverse->initWithAction(action));
}

bool CCReverseTime::initWithAction(CCFiniteTimeAction* action)
{
    if (!action) {
        CCLog("CCReverseTime: null action refused");
        return false;
    }
    CCActionInterval::initWithDuration(action->getDuration());
    CC_SAFE_RELEASE(m_pOther);
    m_pOther = action;
    action->retain();
    return true;
}

CCObject* CCReverseTime::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCFiniteTimeAction*>(m_pOther->copy());
    auto* copy = new CCReverseTime();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

void CCReverseTime::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_pOther->startWithTarget(target);
}

void CCReverseTime::stop()
{
    m_pOther->stop();
    CCActionInterval::stop();
}

void CCReverseTime::update(float t)
{
    if (m_pOther)
        m_pOther->update(1 - t);
}

CCActionInterval* CCReverseTime::reverse()
{
    return static_cast<CCActionInterval*>(m_pOther->copy()->autorelease());
}

} // namespace cocos2d
