#include "actions/CCEaseBackOut.h"

#include <cmath>

#include "actions/CCEaseBackIn.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseBackOut* CCEaseBackOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseBackOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseBackOut::update(float t)
{
    const float k = 1.70158f;
    const float u = t - 1;
    m_pInner->update(u * u * ((k + 1) * u + k) + 1);
}

CCObject* CCEaseBackOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseBackOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseBackOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseBackIn::create(inner) : nullptr;
}

} // namespace cocos2d
