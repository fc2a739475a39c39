#include "actions/CCEaseExponentialInOut.h"

#include <cmath>

#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseExponentialInOut* CCEaseExponentialInOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseExponentialInOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseExponentialInOut::update(float t)
{
    const float u = t * 2;
    if (u < 1)
        m_pInner->update(0.5f * std::pow(2.0f, 10 * (u - 1)));
    else
        m_pInner->update(0.5f * (2 - std::pow(2.0f, -10 * (u - 1))));
}

CCObject* CCEaseExponentialInOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseExponentialInOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseExponentialInOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseExponentialInOut::create(inner) : nullptr;
}

} // namespace cocos2d
