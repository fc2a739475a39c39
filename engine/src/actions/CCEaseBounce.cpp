#include "actions/CCEaseBounce.h"

#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseBounce* CCEaseBounce::create(CCActionInterval* action)
{
    auto* ease = new CCEaseBounce();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

float CCEaseBounce::bounceTime(float t)
{
    if (t < 1 / 2.75f)
        return 7.5625f * t * t;
    if (t < 2 / 2.75f) {
        t -= 1.5f / 2.75f;
        return 7.5625f * t * t + 0.75f;
    }
    if (t < 2.5f / 2.75f) {
        t -= 2.25f / 2.75f;
        return 7.5625f * t * t + 0.9375f;
    }
    t -= 2.625f / 2.75f;
    return 7.5625f * t * t + 0.984375f;
}

CCObject* CCEaseBounce::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseBounce();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseBounce::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseBounce::create(inner) : nullptr;
}

} // namespace cocos2d
