#include "actions/CCFadeTo.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"
#include "nodes/CCRGBAProtocol.h"

namespace cocos2d {

CCFadeTo* CCFadeTo::create(float duration, GLubyte opacity)
{
    auto* action = new CCFadeTo();
    return detail::autoreleased(action, action->initWithDuration(duration, opacity));
}

bool CCFadeTo::initWithDuration(float duration, GLubyte opacity)
{
    CCActionInterval::initWithDuration(duration);
    m_toOpacity = opacity;
    return true;
}

CCObject* CCFadeTo::copyWithZone(CCZone*)
{
    auto* copy = new CCFadeTo();
    copy->initWithDuration(m_fDuration, m_toOpacity);
    return copy;
}

void CCFadeTo::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(target))
        m_fromOpacity = rgba->getOpacity();
}

void CCFadeTo::update(float t)
{
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(m_pTarget))
        rgba->setOpacity(detail::toByte(m_fromOpacity + (m_toOpacity - m_fromOpacity) * t));
}

} // namespace cocos2d
