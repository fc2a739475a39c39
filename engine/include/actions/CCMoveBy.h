// pos = start + delta * t. Stackable: position changes made by others between steps move the
// start point along.
#pragma once

#include "actions/CCActionInterval.h"
#include "base/CCGeometry.h"

namespace cocos2d {

class CCMoveBy : public CCActionInterval {
public:
    static CCMoveBy* create(float duration, const CCPoint& deltaPosition);
    bool initWithDuration(float duration, const CCPoint& deltaPosition);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;
    CCActionInterval* reverse() override;

protected:
    CCPoint m_positionDelta;
    CCPoint m_startPosition;
    CCPoint m_previousPosition;
};

} // namespace cocos2d
