#include "actions/CCCardinalSplineTo.h"

#include <cmath>

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCPoint ccCardinalSplineAt(CCPoint& p0, CCPoint& p1, CCPoint& p2, CCPoint& p3, float tension, float t)
{
    const float t2 = t * t;
    const float t3 = t2 * t;
    const float s = (1 - tension) / 2;
    const float b1 = s * (-t3 + 2 * t2 - t);
    const float b2 = s * (-t3 + t2) + (2 * t3 - 3 * t2 + 1);
    const float b3 = s * (t3 - 2 * t2 + t) + (-2 * t3 + 3 * t2);
    const float b4 = s * (t3 - t2);
    return CCPoint(p0.x * b1 + p1.x * b2 + p2.x * b3 + p3.x * b4, p0.y * b1 + p1.y * b2 + p2.y * b3 + p3.y * b4);
}

CCCardinalSplineTo::~CCCardinalSplineTo()
{
    CC_SAFE_RELEASE(m_pPoints);
}

CCCardinalSplineTo* CCCardinalSplineTo::create(float duration, CCPointArray* points, float tension)
{
    auto* action = new CCCardinalSplineTo();
    return detail::autoreleased(action, action->initWithDuration(duration, points, tension));
}

bool CCCardinalSplineTo::initWithDuration(float duration, CCPointArray* points, float tension)
{
    if (!points || points->count() == 0) {
        CCLog("CCCardinalSplineTo: at least one control point is needed");
        return false;
    }
    CCActionInterval::initWithDuration(duration);
    setPoints(points);
    m_fTension = tension;
    return true;
}

void CCCardinalSplineTo::setPoints(CCPointArray* points)
{
    CC_SAFE_RETAIN(points);
    CC_SAFE_RELEASE(m_pPoints);
    m_pPoints = points;
}

CCObject* CCCardinalSplineTo::copyWithZone(CCZone*)
{
    auto* points = static_cast<CCPointArray*>(m_pPoints->copy());
    auto* copy = new CCCardinalSplineTo();
    copy->initWithDuration(m_fDuration, points, m_fTension);
    points->release();
    return copy;
}

void CCCardinalSplineTo::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    const unsigned int n = m_pPoints->count();
    m_fDeltaT = n > 1 ? 1.0f / static_cast<float>(n - 1) : 1.0f;
    m_previousPosition = target->getPosition();
    m_accumulatedDiff = CCPointZero;
}

void CCCardinalSplineTo::update(float t)
{
    if (!m_pTarget)
        return;
    unsigned int p;
    float lt;
    if (t >= 1.0f) {
        p = m_pPoints->count() - 1;
        lt = 1;
    } else {
        const float clamped = std::max(0.0f, t);
        p = static_cast<unsigned int>(clamped / m_fDeltaT);
        lt = (clamped - m_fDeltaT * static_cast<float>(p)) / m_fDeltaT;
    }
    // p - 1 wraps for p = 0 and is clamped to the last point, as the engine does.
    CCPoint pp0 = m_pPoints->getControlPointAtIndex(p - 1);
    CCPoint pp1 = m_pPoints->getControlPointAtIndex(p + 0);
    CCPoint pp2 = m_pPoints->getControlPointAtIndex(p + 1);
    CCPoint pp3 = m_pPoints->getControlPointAtIndex(p + 2);
    CCPoint newPos = ccCardinalSplineAt(pp0, pp1, pp2, pp3, m_fTension, lt);

    // Stacking: keep every outside move made since we started.
    m_accumulatedDiff = m_accumulatedDiff + (m_pTarget->getPosition() - m_previousPosition);
    newPos = newPos + m_accumulatedDiff;
    updatePosition(newPos);
}

void CCCardinalSplineTo::updatePosition(CCPoint& newPos)
{
    m_pTarget->setPosition(newPos);
    m_previousPosition = newPos;
}

CCActionInterval* CCCardinalSplineTo::reverse()
{
    return CCCardinalSplineTo::create(m_fDuration, m_pPoints->reverse(), m_fTension);
}

} // namespace cocos2d
