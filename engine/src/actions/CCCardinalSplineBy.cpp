#include "actions/CCCardinalSplineBy.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCCardinalSplineBy* CCCardinalSplineBy::create(float duration, CCPointArray* points, float tension)
{
    auto* action = new CCCardinalSplineBy();
    return detail::autoreleased(action, action->initWithDuration(duration, points, tension));
}

CCObject* CCCardinalSplineBy::copyWithZone(CCZone*)
{
    auto* points = static_cast<CCPointArray*>(m_pPoints->copy());
    auto* copy = new CCCardinalSplineBy();
    copy->initWithDuration(m_fDuration, points, m_fTension);
    points->release();
    return copy;
}

void CCCardinalSplineBy::startWithTarget(CCNode* target)
{
    CCCardinalSplineTo::startWithTarget(target);
    m_startPosition = target->getPosition();
}

void CCCardinalSplineBy::updatePosition(CCPoint& newPos)
{
    CCPoint p = newPos + m_startPosition;
    m_pTarget->setPosition(p);
    m_previousPosition = p;
}

CCActionInterval* CCCardinalSplineBy::reverse()
{
    // Relative points walked backwards: rebuild the path from the end point.
    const std::vector<CCPoint>& points = m_pPoints->getControlPoints();
    CCPointArray* reversed = CCPointArray::create(m_pPoints->count());
    if (!points.empty()) {
        const CCPoint last = points.back();
        for (auto it = points.rbegin(); it != points.rend(); ++it)
            reversed->addControlPoint(*it - last);
    }
    return CCCardinalSplineBy::create(m_fDuration, reversed, m_fTension);
}

} // namespace cocos2d
