#include "actions/CCSkewBy.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCSkewBy* CCSkewBy::create(float t, float deltaSkewX, float deltaSkewY)
{
    auto* action = new CCSkewBy();
    return detail::autoreleased(action, action->initWithDuration(t, deltaSkewX, deltaSkewY));
}

bool CCSkewBy::initWithDuration(float t, float deltaSkewX, float deltaSkewY)
{
    CCSkewTo::initWithDuration(t, deltaSkewX, deltaSkewY);
    m_fSkewX = deltaSkewX;
    m_fSkewY = deltaSkewY;
    return true;
}

CCObject* CCSkewBy::copyWithZone(CCZone*)
{
    auto* copy = new CCSkewBy();
    copy->initWithDuration(m_fDuration, m_fSkewX, m_fSkewY);
    return copy;
}

void CCSkewBy::startWithTarget(CCNode* target)
{
    CCSkewTo::startWithTarget(target);
    m_fDeltaX = m_fSkewX;
    m_fDeltaY = m_fSkewY;
    m_fEndSkewX = m_fStartSkewX + m_fDeltaX;
    m_fEndSkewY = m_fStartSkewY + m_fDeltaY;
}

CCActionInterval* CCSkewBy::reverse()
{
    return CCSkewBy::create(m_fDuration, -m_fSkewX, -m_fSkewY);
}

} // namespace cocos2d
