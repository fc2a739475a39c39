#include "actions/CCEaseIn.h"

#include <cmath>

#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseIn* CCEaseIn::create(CCActionInterval* action, float rate)
{
    auto* ease = new CCEaseIn();
    return detail::autoreleased(ease, ease->initWithAction(action, rate));
}

void CCEaseIn::update(float t)
{
    m_pInner->update(std::pow(t, m_fRate));
}

CCObject* CCEaseIn::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseIn();
    copy->initWithAction(inner, m_fRate);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseIn::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseIn::create(inner, 1 / m_fRate) : nullptr;
}

} // namespace cocos2d
