#include "actions/CCEaseInOut.h"

#include <cmath>

#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseInOut* CCEaseInOut::create(CCActionInterval* action, float rate)
{
    auto* ease = new CCEaseInOut();
    return detail::autoreleased(ease, ease->initWithAction(action, rate));
}

void CCEaseInOut::update(float t)
{
    const float u = t * 2;
    if (u < 1)
        m_pInner->update(0.5f * std::pow(u, m_fRate));
    else
        m_pInner->update(1.0f - 0.5f * std::pow(2 - u, m_fRate));
}

CCObject* CCEaseInOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseInOut();
    copy->initWithAction(inner, m_fRate);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseInOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseInOut::create(inner, m_fRate) : nullptr;
}

} // namespace cocos2d
