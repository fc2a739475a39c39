// f = fmod(t * jumps, 1); offset = (delta.x * t, height * 4 * f * (1 - f) + delta.y * t). Stackable.
#pragma once

#include "actions/CCActionInterval.h"
#include "base/CCGeometry.h"

namespace cocos2d {

class CCJumpBy : public CCActionInterval {
public:
    static CCJumpBy* create(float duration, const CCPoint& position, float height, unsigned int jumps);
    bool initWithDuration(float duration, const CCPoint& position, float height, unsigned int jumps);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;
    CCActionInterval* reverse() override;

protected:
    CCPoint m_startPosition;
    CCPoint m_delta;
    float m_height = 0;
    unsigned int m_nJumps = 0;
    CCPoint m_previousPos;
};

} // namespace cocos2d
