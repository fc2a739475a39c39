#include "actions/CCActionInterval.h"

#include <algorithm>
#include <cfloat>

#include "base/CCConsole.h"

namespace cocos2d {

CCActionInterval* CCActionInterval::create(float d)
{
    auto* action = new CCActionInterval();
    action->initWithDuration(d);
    action->autorelease();
    return action;
}

bool CCActionInterval::initWithDuration(float d)
{
    // Zero would divide by zero in step(); the first step then gives update(0), the second update(1).
    m_fDuration = d == 0 ? FLT_EPSILON : d;
    m_elapsed = 0;
    m_bFirstTick = true;
    return true;
}

CCObject* CCActionInterval::copyWithZone(CCZone* zone)
{
    CC_UNUSED_PARAM(zone);
    auto* copy = new CCActionInterval();
    copy->initWithDuration(m_fDuration);
    return copy;
}

bool CCActionInterval::isDone()
{
    return m_elapsed >= m_fDuration;
}

void CCActionInterval::step(float dt)
{
    if (m_bFirstTick) {
        m_bFirstTick = false;
        m_elapsed = 0;
    } else {
        m_elapsed += dt;
    }
    update(std::max(0.0f, std::min(1.0f, m_elapsed / std::max(m_fDuration, FLT_EPSILON))));
}

void CCActionInterval::startWithTarget(CCNode* target)
{
    CCFiniteTimeAction::startWithTarget(target);
    m_elapsed = 0.0f;
    m_bFirstTick = true;
}

CCActionInterval* CCActionInterval::reverse()
{
    CCLog("CCIntervalAction: reverse not implemented.");
    return nullptr;
}

} // namespace cocos2d
