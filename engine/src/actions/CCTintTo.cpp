#include "actions/CCTintTo.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"
#include "nodes/CCRGBAProtocol.h"

namespace cocos2d {

CCTintTo* CCTintTo::create(float duration, GLubyte red, GLubyte green, GLubyte blue)
{
    auto* action = new CCTintTo();
    return detail::autoreleased(action, action->initWithDuration(duration, red, green, blue));
}

bool CCTintTo::initWithDuration(float duration, GLubyte red, GLubyte green, GLubyte blue)
{
    CCActionInterval::initWithDuration(duration);
    m_to = ccc3(red, green, blue);
    return true;
}

CCObject* CCTintTo::copyWithZone(CCZone*)
{
    auto* copy = new CCTintTo();
    copy->initWithDuration(m_fDuration, m_to.r, m_to.g, m_to.b);
    return copy;
}

void CCTintTo::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(target))
        m_from = rgba->getColor();
}

void CCTintTo::update(float t)
{
    auto* rgba = dynamic_cast<CCRGBAProtocol*>(m_pTarget);
    if (!rgba)
        return;
    rgba->setColor(ccc3(detail::toByte(m_from.r + (m_to.r - m_from.r) * t),
                        detail::toByte(m_from.g + (m_to.g - m_from.g) * t),
                        detail::toByte(m_from.b + (m_to.b - m_from.b) * t)));
}

} // namespace cocos2d
