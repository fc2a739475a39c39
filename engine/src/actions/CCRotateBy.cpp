#include "actions/CCRotateBy.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCRotateBy* CCRotateBy::create(float duration, float deltaAngle)
{
    auto* action = new CCRotateBy();
    return detail::autoreleased(action, action->initWithDuration(duration, deltaAngle));
}

CCRotateBy* CCRotateBy::create(float duration, float deltaAngleX, float deltaAngleY)
{
    auto* action = new CCRotateBy();
    return detail::autoreleased(action, action->initWithDuration(duration, deltaAngleX, deltaAngleY));
}

bool CCRotateBy::initWithDuration(float duration, float deltaAngle)
{
    return initWithDuration(duration, deltaAngle, deltaAngle);
}

bool CCRotateBy::initWithDuration(float duration, float deltaAngleX, float deltaAngleY)
{
    CCActionInterval::initWithDuration(duration);
    m_fAngleX = deltaAngleX;
    m_fAngleY = deltaAngleY;
    return true;
}

CCObject* CCRotateBy::copyWithZone(CCZone*)
{
    auto* copy = new CCRotateBy();
    copy->initWithDuration(m_fDuration, m_fAngleX, m_fAngleY);
    return copy;
}

void CCRotateBy::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_fStartAngleX = target->getRotationX();
    m_fStartAngleY = target->getRotationY();
}

void CCRotateBy::update(float t)
{
    if (!m_pTarget)
        return;
    m_pTarget->setRotationX(m_fStartAngleX + m_fAngleX * t);
    m_pTarget->setRotationY(m_fStartAngleY + m_fAngleY * t);
}

CCActionInterval* CCRotateBy::reverse()
{
    return CCRotateBy::create(m_fDuration, -m_fAngleX, -m_fAngleY);
}

} // namespace cocos2d
