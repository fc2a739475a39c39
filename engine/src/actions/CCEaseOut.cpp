#include "actions/CCEaseOut.h"

#include <cmath>

#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseOut* CCEaseOut::create(CCActionInterval* action, float rate)
{
    auto* ease = new CCEaseOut();
    return detail::autoreleased(ease, ease->initWithAction(action, rate));
}

void CCEaseOut::update(float t)
{
    m_pInner->update(std::pow(t, 1 / m_fRate));
}

CCObject* CCEaseOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseOut();
    copy->initWithAction(inner, m_fRate);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseOut::create(inner, 1 / m_fRate) : nullptr;
}

} // namespace cocos2d
