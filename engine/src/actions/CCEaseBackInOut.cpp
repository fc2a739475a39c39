#include "actions/CCEaseBackInOut.h"

#include <cmath>

#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseBackInOut* CCEaseBackInOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseBackInOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseBackInOut::update(float t)
{
    const float k = 1.70158f * 1.525f;
    float u = t * 2;
    if (u < 1) {
        m_pInner->update((u * u * ((k + 1) * u - k)) / 2);
    } else {
        u -= 2;
        m_pInner->update((u * u * ((k + 1) * u + k)) / 2 + 1);
    }
}

CCObject* CCEaseBackInOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseBackInOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseBackInOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseBackInOut::create(inner) : nullptr;
}

} // namespace cocos2d
