#include "actions/CCSkewTo.h"

#include <cmath>

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

namespace {
float foldDelta(float delta)
{
    if (delta > 180)
        delta -= 360;
    if (delta < -180)
        delta += 360;
    return delta;
}
} // namespace

CCSkewTo* CCSkewTo::create(float t, float sx, float sy)
{
    auto* action = new CCSkewTo();
    return detail::autoreleased(action, action->initWithDuration(t, sx, sy));
}

bool CCSkewTo::initWithDuration(float t, float sx, float sy)
{
    CCActionInterval::initWithDuration(t);
    m_fEndSkewX = sx;
    m_fEndSkewY = sy;
    return true;
}

CCObject* CCSkewTo::copyWithZone(CCZone*)
{
    auto* copy = new CCSkewTo();
    copy->initWithDuration(m_fDuration, m_fEndSkewX, m_fEndSkewY);
    return copy;
}

void CCSkewTo::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_fStartSkewX = std::fmod(target->getSkewX(), 180.0f);
    m_fDeltaX = foldDelta(m_fEndSkewX - m_fStartSkewX);
    m_fStartSkewY = std::fmod(target->getSkewY(), 360.0f);
    m_fDeltaY = foldDelta(m_fEndSkewY - m_fStartSkewY);
}

void CCSkewTo::update(float t)
{
    if (!m_pTarget)
        return;
    m_pTarget->setSkewX(m_fStartSkewX + m_fDeltaX * t);
    m_pTarget->setSkewY(m_fStartSkewY + m_fDeltaY * t);
}

} // namespace cocos2d
