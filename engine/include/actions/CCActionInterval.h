// An action that lasts a duration. The first step after start calls update(0) and ignores that
// frame's dt; later steps add dt and call update(min(1, elapsed / duration)). It is done once
// elapsed >= duration. A duration of 0 is stored as FLT_EPSILON.
#pragma once

#include "actions/CCFiniteTimeAction.h"

namespace cocos2d {

class CCActionInterval : public CCFiniteTimeAction {
public:
    static CCActionInterval* create(float d);
    bool initWithDuration(float d);

    float getElapsed() const { return m_elapsed; }
    bool isDone() override;
    void step(float dt) override;
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;

    void setAmplitudeRate(float amp) { m_amplitudeRate = amp; }
    float getAmplitudeRate() const { return m_amplitudeRate; }

protected:
    float m_elapsed = 0;
    bool m_bFirstTick = true;
    float m_amplitudeRate = 1.0f;
};

} // namespace cocos2d
