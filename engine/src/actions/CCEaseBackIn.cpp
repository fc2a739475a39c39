#include "actions/CCEaseBackIn.h"

#include <cmath>

#include "actions/CCEaseBackOut.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseBackIn* CCEaseBackIn::create(CCActionInterval* action)
{
    auto* ease = new CCEaseBackIn();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseBackIn::update(float t)
{
    const float k = 1.70158f;
    m_pInner->update(t * t * ((k + 1) * t - k));
}

CCObject* CCEaseBackIn::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseBackIn();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseBackIn::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseBackOut::create(inner) : nullptr;
}

} // namespace cocos2d
