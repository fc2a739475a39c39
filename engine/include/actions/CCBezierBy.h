// Cubic Bezier from the start position, control points relative to it. Stackable.
#pragma once

#include "actions/CCActionInterval.h"
#include "base/CCGeometry.h"

namespace cocos2d {

typedef struct _ccBezierConfig {
    CCPoint endPosition;
    CCPoint controlPoint_1;
    CCPoint controlPoint_2;
} ccBezierConfig;

class CCBezierBy : public CCActionInterval {
public:
    static CCBezierBy* create(float t, const ccBezierConfig& c);
    bool initWithDuration(float t, const ccBezierConfig& c);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;
    CCActionInterval* reverse() override;

protected:
    ccBezierConfig m_sConfig;
    CCPoint m_startPosition;
    CCPoint m_previousPosition;
};

} // namespace cocos2d
