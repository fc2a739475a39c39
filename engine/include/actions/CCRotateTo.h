// Turns the short way: the start is folded into (-360, 360) and the difference into [-180, 180].
// So it may end 360 away from the requested angle (RotateTo 270 from 0 ends at -90).
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCRotateTo : public CCActionInterval {
public:
    static CCRotateTo* create(float duration, float deltaAngle);
    static CCRotateTo* create(float duration, float deltaAngleX, float deltaAngleY);
    bool initWithDuration(float duration, float deltaAngle);
    bool initWithDuration(float duration, float deltaAngleX, float deltaAngleY);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;

protected:
    float m_fDstAngleX = 0, m_fStartAngleX = 0, m_fDiffAngleX = 0;
    float m_fDstAngleY = 0, m_fStartAngleY = 0, m_fDiffAngleY = 0;
};

} // namespace cocos2d
