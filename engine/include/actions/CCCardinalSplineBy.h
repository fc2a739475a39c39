// Points relative to the start position.
#pragma once

#include "actions/CCCardinalSplineTo.h"

namespace cocos2d {

class CCCardinalSplineBy : public CCCardinalSplineTo {
public:
    static CCCardinalSplineBy* create(float duration, CCPointArray* points, float tension);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;
    void updatePosition(CCPoint& newPos) override;

protected:
    CCPoint m_startPosition;
};

} // namespace cocos2d
