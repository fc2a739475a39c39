#include "actions/CCEaseExponentialIn.h"

#include <cmath>

#include "actions/CCEaseExponentialOut.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseExponentialIn* CCEaseExponentialIn::create(CCActionInterval* action)
{
    auto* ease = new CCEaseExponentialIn();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseExponentialIn::update(float t)
{
    m_pInner->update(t == 0 ? 0 : std::pow(2.0f, 10 * (t - 1)) - 0.001f);
}

CCObject* CCEaseExponentialIn::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseExponentialIn();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseExponentialIn::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseExponentialOut::create(inner) : nullptr;
}

} // namespace cocos2d
