// Moves the camera eye on a sphere around the node's anchor: z angle from the view axis, x angle
// around it. create(t, 1, 0, 0, 180, 0, 0) turns the picture about its vertical axis: edge-on at half
// time, mirrored at the end (the camera is not reset afterwards).
#pragma once

#include "actions/CCActionCamera.h"

namespace cocos2d {

class CCOrbitCamera : public CCActionCamera {
public:
    static CCOrbitCamera* create(float t, float radius, float deltaRadius, float angleZ, float deltaAngleZ,
                                 float angleX, float deltaAngleX);
    bool initWithDuration(float t, float radius, float deltaRadius, float angleZ, float deltaAngleZ, float angleX,
                          float deltaAngleX);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;

protected:
    float m_fRadius = 0, m_fDeltaRadius = 0;
    float m_fAngleZ = 0, m_fDeltaAngleZ = 0;
    float m_fAngleX = 0, m_fDeltaAngleX = 0;
    float m_fRadZ = 0, m_fRadDeltaZ = 0, m_fRadX = 0, m_fRadDeltaX = 0;
};

} // namespace cocos2d
