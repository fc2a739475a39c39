#include "actions/CCEaseSineInOut.h"

#include <cmath>

#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseSineInOut* CCEaseSineInOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseSineInOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseSineInOut::update(float t)
{
    m_pInner->update(-0.5f * (std::cos(kPi * t) - 1));
}

CCObject* CCEaseSineInOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseSineInOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseSineInOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseSineInOut::create(inner) : nullptr;
}

} // namespace cocos2d
