#include "actions/CCBezierBy.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

namespace {
// Cubic Bezier of one coordinate.
float bezierAt(float a, float b, float c, float d, float t)
{
    const float u = 1 - t;
    return u * u * u * a + 3 * t * u * u * b + 3 * t * t * u * c + t * t * t * d;
}
} // namespace

CCBezierBy* CCBezierBy::create(float t, const ccBezierConfig& c)
{
    auto* action = new CCBezierBy();
    return detail::autoreleased(action, action->initWithDuration(t, c));
}

bool CCBezierBy::initWithDuration(float t, const ccBezierConfig& c)
{
    CCActionInterval::initWithDuration(t);
    m_sConfig = c;
    return true;
}

CCObject* CCBezierBy::copyWithZone(CCZone*)
{
    auto* copy = new CCBezierBy();
    copy->initWithDuration(m_fDuration, m_sConfig);
    return copy;
}

void CCBezierBy::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_previousPosition = m_startPosition = target->getPosition();
}

void CCBezierBy::update(float t)
{
    if (!m_pTarget)
        return;
    const float x = bezierAt(0, m_sConfig.controlPoint_1.x, m_sConfig.controlPoint_2.x, m_sConfig.endPosition.x, t);
    const float y = bezierAt(0, m_sConfig.controlPoint_1.y, m_sConfig.controlPoint_2.y, m_sConfig.endPosition.y, t);
    m_startPosition = m_startPosition + (m_pTarget->getPosition() - m_previousPosition);
    CCPoint newPosition = m_startPosition + CCPoint(x, y);
    m_pTarget->setPosition(newPosition);
    m_previousPosition = newPosition;
}

CCActionInterval* CCBezierBy::reverse()
{
    ccBezierConfig r;
    r.endPosition = -m_sConfig.endPosition;
    r.controlPoint_1 = m_sConfig.controlPoint_2 - m_sConfig.endPosition;
    r.controlPoint_2 = m_sConfig.controlPoint_1 - m_sConfig.endPosition;
    return CCBezierBy::create(m_fDuration, r);
}

} // namespace cocos2d
