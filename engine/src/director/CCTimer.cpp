#include "director/CCTimer.h"

#include "director/CCScheduler.h"

namespace cocos2d {

CCTimer* CCTimer::timerWithTarget(CCObject* target, SEL_SCHEDULE selector)
{
    auto* timer = new CCTimer();
    timer->initWithTarget(target, selector, 0, kCCRepeatForever, 0);
    timer->autorelease();
    return timer;
}

CCTimer* CCTimer::timerWithTarget(CCObject* target, SEL_SCHEDULE selector, float seconds)
{
    auto* timer = new CCTimer();
    timer->initWithTarget(target, selector, seconds, kCCRepeatForever, 0);
    timer->autorelease();
    return timer;
}

bool CCTimer::initWithTarget(CCObject* target, SEL_SCHEDULE selector)
{
    return initWithTarget(target, selector, 0, kCCRepeatForever, 0);
}

bool CCTimer::initWithTarget(CCObject* target, SEL_SCHEDULE selector, float seconds, unsigned int repeat, float delay)
{
    m_target = target;
    m_selector = selector;
    m_elapsed = -1;
    m_interval = seconds;
    m_delay = delay;
    m_useDelay = delay > 0.0f;
    m_repeat = repeat;
    m_runForever = repeat == kCCRepeatForever;
    m_timesExecuted = 0;
    m_finished = false;
    return true;
}

void CCTimer::update(float dt)
{
    if (m_elapsed == -1) {
        // The tick a timer first sees only starts its clock.
        m_elapsed = 0;
        m_timesExecuted = 0;
        return;
    }
    m_elapsed += dt;
    if (m_runForever && !m_useDelay) {
        if (m_elapsed >= m_interval) {
            const float elapsed = m_elapsed;
            m_elapsed = 0;
            (m_target->*m_selector)(elapsed);
        }
        return;
    }
    bool fired = false;
    if (m_useDelay) {
        if (m_elapsed >= m_delay) {
            const float elapsed = m_elapsed;
            m_elapsed -= m_delay;
            m_useDelay = false;
            ++m_timesExecuted;
            fired = true;
            (m_target->*m_selector)(elapsed);
        }
    } else if (m_elapsed >= m_interval) {
        const float elapsed = m_elapsed;
        m_elapsed = 0;
        ++m_timesExecuted;
        fired = true;
        (m_target->*m_selector)(elapsed);
    }
    if (fired && !m_runForever && m_timesExecuted > m_repeat)
        m_finished = true;
}

} // namespace cocos2d
