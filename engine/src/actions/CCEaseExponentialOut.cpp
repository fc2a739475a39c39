#include "actions/CCEaseExponentialOut.h"

#include <cmath>

#include "actions/CCEaseExponentialIn.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseExponentialOut* CCEaseExponentialOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseExponentialOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseExponentialOut::update(float t)
{
    m_pInner->update(t == 1 ? 1 : 1 - std::pow(2.0f, -10 * t));
}

CCObject* CCEaseExponentialOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseExponentialOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseExponentialOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseExponentialIn::create(inner) : nullptr;
}

} // namespace cocos2d
