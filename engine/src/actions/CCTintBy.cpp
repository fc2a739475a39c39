#include "actions/CCTintBy.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"
#include "nodes/CCRGBAProtocol.h"

namespace cocos2d {

CCTintBy* CCTintBy::create(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue)
{
    auto* action = new CCTintBy();
    return detail::autoreleased(action, action->initWithDuration(duration, deltaRed, deltaGreen, deltaBlue));
}

bool CCTintBy::initWithDuration(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue)
{
    CCActionInterval::initWithDuration(duration);
    m_deltaR = deltaRed;
    m_deltaG = deltaGreen;
    m_deltaB = deltaBlue;
    return true;
}

CCObject* CCTintBy::copyWithZone(CCZone*)
{
    auto* copy = new CCTintBy();
    copy->initWithDuration(m_fDuration, m_deltaR, m_deltaG, m_deltaB);
    return copy;
}

void CCTintBy::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(target)) {
        ccColor3B color = rgba->getColor();
        m_fromR = color.r;
        m_fromG = color.g;
        m_fromB = color.b;
    }
}

void CCTintBy::update(float t)
{
    auto* rgba = dynamic_cast<CCRGBAProtocol*>(m_pTarget);
    if (!rgba)
        return;
    rgba->setColor(ccc3(detail::toByte(m_fromR + m_deltaR * t), detail::toByte(m_fromG + m_deltaG * t),
                        detail::toByte(m_fromB + m_deltaB * t)));
}

CCActionInterval* CCTintBy::reverse()
{
    return CCTintBy::create(m_fDuration, static_cast<GLshort>(-m_deltaR), static_cast<GLshort>(-m_deltaG),
                            static_cast<GLshort>(-m_deltaB));
}

} // namespace cocos2d
