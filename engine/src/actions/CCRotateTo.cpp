#include "actions/CCRotateTo.h"

#include <cmath>

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

namespace {
// Start folded into (-360, 360) keeping its sign; difference folded into [-180, 180].
void shortWay(float current, float destination, float& start, float& diff)
{
    start = std::fmod(current, 360.0f);
    diff = destination - start;
    if (diff > 180)
        diff -= 360;
    if (diff < -180)
        diff += 360;
}
} // namespace

CCRotateTo* CCRotateTo::create(float duration, float deltaAngle)
{
    auto* action = new CCRotateTo();
    return detail::autoreleased(action, action->initWithDuration(duration, deltaAngle));
}

CCRotateTo* CCRotateTo::create(float duration, float deltaAngleX, float deltaAngleY)
{
    auto* action = new CCRotateTo();
    return detail::autoreleased(action, action->initWithDuration(duration, deltaAngleX, deltaAngleY));
}

bool CCRotateTo::initWithDuration(float duration, float deltaAngle)
{
    return initWithDuration(duration, deltaAngle, deltaAngle);
}

bool CCRotateTo::initWithDuration(float duration, float deltaAngleX, float deltaAngleY)
{
    CCActionInterval::initWithDuration(duration);
    m_fDstAngleX = deltaAngleX;
    m_fDstAngleY = deltaAngleY;
    return true;
}

CCObject* CCRotateTo::copyWithZone(CCZone*)
{
    auto* copy = new CCRotateTo();
    copy->initWithDuration(m_fDuration, m_fDstAngleX, m_fDstAngleY);
    return copy;
}

void CCRotateTo::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    shortWay(target->getRotationX(), m_fDstAngleX, m_fStartAngleX, m_fDiffAngleX);
    shortWay(target->getRotationY(), m_fDstAngleY, m_fStartAngleY, m_fDiffAngleY);
}

void CCRotateTo::update(float t)
{
    if (!m_pTarget)
        return;
    m_pTarget->setRotationX(m_fStartAngleX + m_fDiffAngleX * t);
    m_pTarget->setRotationY(m_fStartAngleY + m_fDiffAngleY * t);
}

} // namespace cocos2d
