#include "actions/CCOrbitCamera.h"

#include <cfloat>
#include <cmath>

#include "actions/ActionSupport.h"
#include "nodes/CCCamera.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCOrbitCamera* CCOrbitCamera::create(float t, float radius, float deltaRadius, float angleZ, float deltaAngleZ,
                                     float angleX, float deltaAngleX)
{
    auto* action = new CCOrbitCamera();
    return detail::autoreleased(
        action, action->initWithDuration(t, radius, deltaRadius, angleZ, deltaAngleZ, angleX, deltaAngleX));
}

bool CCOrbitCamera::initWithDuration(float t, float radius, float deltaRadius, float angleZ, float deltaAngleZ,
                                     float angleX, float deltaAngleX)
{
    CCActionInterval::initWithDuration(t);
    m_fRadius = radius;
    m_fDeltaRadius = deltaRadius;
    m_fAngleZ = angleZ;
    m_fDeltaAngleZ = deltaAngleZ;
    m_fAngleX = angleX;
    m_fDeltaAngleX = deltaAngleX;
    m_fRadDeltaZ = CC_DEGREES_TO_RADIANS(deltaAngleZ);
    m_fRadDeltaX = CC_DEGREES_TO_RADIANS(deltaAngleX);
    return true;
}

CCObject* CCOrbitCamera::copyWithZone(CCZone*)
{
    auto* copy = new CCOrbitCamera();
    copy->initWithDuration(m_fDuration, m_fRadius, m_fDeltaRadius, m_fAngleZ, m_fDeltaAngleZ, m_fAngleX,
                           m_fDeltaAngleX);
    return copy;
}

void CCOrbitCamera::startWithTarget(CCNode* target)
{
    CCActionCamera::startWithTarget(target);
    m_fRadZ = CC_DEGREES_TO_RADIANS(m_fAngleZ);
    m_fRadX = CC_DEGREES_TO_RADIANS(m_fAngleX);
}

void CCOrbitCamera::update(float t)
{
    if (!m_pTarget)
        return;
    // Only the eye's direction matters to the look-at; the radius scales a tiny vector.
    const float r = (m_fRadius + m_fDeltaRadius * t) * FLT_EPSILON;
    const float za = m_fRadZ + m_fRadDeltaZ * t;
    const float xa = m_fRadX + m_fRadDeltaX * t;
    const float i = std::sin(za) * std::cos(xa) * r + m_fCenterXOrig;
    const float j = std::sin(za) * std::sin(xa) * r + m_fCenterYOrig;
    const float k = std::cos(za) * r + m_fCenterZOrig;
    m_pTarget->getCamera()->setEyeXYZ(i, j, k);
}

} // namespace cocos2d
