#include "actions/CCRepeat.h"

#include <cmath>

#include "actions/ActionSupport.h"
#include "actions/CCActionInstant.h"
#include "base/CCConsole.h"

namespace cocos2d {

CCRepeat::~CCRepeat()
{
    CC_SAFE_RELEASE(m_pInnerAction);
}

CCRepeat* CCRepeat::create(CCFiniteTimeAction* action, unsigned int times)
{
    auto* repeat = new CCRepeat();
    return detail::autoreleased(repeat, repeat->initWithAction(action, times));
}

bool CCRepeat::initWithAction(CCFiniteTimeAction* action, unsigned int times)
{
    if (!action) {
        CCLog("CCRepeat: null action refused");
        return false;
    }
    CCActionInterval::initWithDuration(action->getDuration() * static_cast<float>(times));
    m_uTimes = times;
    m_uTotal = 0;
    setInnerAction(action);
    m_bActionInstant = dynamic_cast<CCActionInstant*>(action) != nullptr;
    return true;
}

void CCRepeat::setInnerAction(CCFiniteTimeAction* action)
{
    if (action == m_pInnerAction)
        return;
    CC_SAFE_RETAIN(action);
    CC_SAFE_RELEASE(m_pInnerAction);
    m_pInnerAction = action;
}

CCObject* CCRepeat::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCFiniteTimeAction*>(m_pInnerAction->copy());
    auto* copy = new CCRepeat();
    copy->initWithAction(inner, m_uTimes);
    inner->release();
    return copy;
}

void CCRepeat::startWithTarget(CCNode* target)
{
    m_uTotal = 0;
    CCActionInterval::startWithTarget(target);
    if (m_uTimes > 0)
        m_pInnerAction->startWithTarget(target);
}

void CCRepeat::stop()
{
    if (m_uTotal < m_uTimes)
        m_pInnerAction->stop();
    CCActionInterval::stop();
}

// Each whole run that local time has passed gets its final update(1) and stop (so an instant
// inner action fires exactly `times` times); the run in progress gets its fraction.
void CCRepeat::update(float t)
{
    if (m_uTimes == 0 || !m_pTarget)
        return;
    const float local = t * static_cast<float>(m_uTimes);
    unsigned int completed = t >= 1.0f ? m_uTimes : static_cast<unsigned int>(std::floor(std::max(0.0f, local)));
    if (m_bActionInstant && t < 1.0f) {
        // Instant runs take no time: run k fires at the start of its own slot, k = 0 at t = 0.
        completed = std::min(m_uTimes, completed + 1);
        while (m_uTotal < completed) {
            m_pInnerAction->startWithTarget(m_pTarget);
            m_pInnerAction->update(1.0f);
            m_pInnerAction->stop();
            ++m_uTotal;
        }
        return;
    }
    if (m_bActionInstant) {
        while (m_uTotal < m_uTimes) {
            m_pInnerAction->startWithTarget(m_pTarget);
            m_pInnerAction->update(1.0f);
            m_pInnerAction->stop();
            ++m_uTotal;
        }
        return;
    }
    while (m_uTotal < completed) {
        m_pInnerAction->update(1.0f);
        m_pInnerAction->stop();
        ++m_uTotal;
        if (m_uTotal < m_uTimes)
            m_pInnerAction->startWithTarget(m_pTarget);
    }
    if (m_uTotal < m_uTimes)
        m_pInnerAction->update(local - static_cast<float>(m_uTotal));
}

bool CCRepeat::isDone()
{
    return m_uTotal == m_uTimes;
}

CCActionInterval* CCRepeat::reverse()
{
    CCFiniteTimeAction* inner = m_pInnerAction->reverse();
    return inner ? CCRepeat::create(inner, m_uTimes) : nullptr;
}

} // namespace cocos2d
