// One scheduled selector of one target. See CCScheduler for the timing rules.
#pragma once

#include "base/CCObject.h"

namespace cocos2d {

class CCTimer : public CCObject {
public:
    CCTimer() = default;
    static CCTimer* timerWithTarget(CCObject* target, SEL_SCHEDULE selector);
    static CCTimer* timerWithTarget(CCObject* target, SEL_SCHEDULE selector, float seconds);

    bool initWithTarget(CCObject* target, SEL_SCHEDULE selector);
    bool initWithTarget(CCObject* target, SEL_SCHEDULE selector, float seconds, unsigned int repeat, float delay);

    float getInterval() const { return m_interval; }
    void setInterval(float interval) { m_interval = interval; }
    SEL_SCHEDULE getSelector() const { return m_selector; }
    CCObject* getTarget() const { return m_target; }
    void update(float dt);
    // A timer with a finite repeat count that has made its last call; the scheduler drops it.
    bool isFinished() const { return m_finished; }

private:
    CCObject* m_target = nullptr;
    float m_elapsed = -1; // -1: the next tick only initialises
    bool m_runForever = true;
    bool m_useDelay = false;
    unsigned int m_timesExecuted = 0;
    unsigned int m_repeat = 0;
    float m_delay = 0;
    float m_interval = 0;
    SEL_SCHEDULE m_selector = nullptr;
    bool m_finished = false;
};

} // namespace cocos2d
