#include "actions/CCScaleTo.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCScaleTo* CCScaleTo::create(float duration, float s)
{
    auto* action = new CCScaleTo();
    return detail::autoreleased(action, action->initWithDuration(duration, s));
}

CCScaleTo* CCScaleTo::create(float duration, float sx, float sy)
{
    auto* action = new CCScaleTo();
    return detail::autoreleased(action, action->initWithDuration(duration, sx, sy));
}

bool CCScaleTo::initWithDuration(float duration, float s)
{
    return initWithDuration(duration, s, s);
}

bool CCScaleTo::initWithDuration(float duration, float sx, float sy)
{
    CCActionInterval::initWithDuration(duration);
    m_fEndScaleX = sx;
    m_fEndScaleY = sy;
    return true;
}

CCObject* CCScaleTo::copyWithZone(CCZone*)
{
    auto* copy = new CCScaleTo();
    copy->initWithDuration(m_fDuration, m_fEndScaleX, m_fEndScaleY);
    return copy;
}

void CCScaleTo::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_fStartScaleX = target->getScaleX();
    m_fStartScaleY = target->getScaleY();
    m_fDeltaX = m_fEndScaleX - m_fStartScaleX;
    m_fDeltaY = m_fEndScaleY - m_fStartScaleY;
}

void CCScaleTo::update(float t)
{
    if (!m_pTarget)
        return;
    m_pTarget->setScaleX(m_fStartScaleX + m_fDeltaX * t);
    m_pTarget->setScaleY(m_fStartScaleY + m_fDeltaY * t);
}

} // namespace cocos2d
