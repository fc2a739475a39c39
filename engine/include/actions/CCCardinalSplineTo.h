// Passes through every point, equal time per segment. The first segment's incoming neighbour
// is the last point (2.2 behaviour). Stackable.
#pragma once

#include "actions/CCActionInterval.h"
#include "actions/CCPointArray.h"

namespace cocos2d {

// Position on the cardinal spline segment P1..P2 with neighbours P0, P3 at local time t.
CCPoint ccCardinalSplineAt(CCPoint& p0, CCPoint& p1, CCPoint& p2, CCPoint& p3, float tension, float t);

class CCCardinalSplineTo : public CCActionInterval {
public:
    ~CCCardinalSplineTo() override;
    static CCCardinalSplineTo* create(float duration, CCPointArray* points, float tension);
    bool initWithDuration(float duration, CCPointArray* points, float tension);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;
    CCActionInterval* reverse() override;
    virtual void updatePosition(CCPoint& newPos);
    CCPointArray* getPoints() { return m_pPoints; }
    void setPoints(CCPointArray* points);

protected:
    CCPointArray* m_pPoints = nullptr;
    float m_fDeltaT = 0;
    float m_fTension = 0;
    CCPoint m_previousPosition;
    CCPoint m_accumulatedDiff;
};

} // namespace cocos2d
