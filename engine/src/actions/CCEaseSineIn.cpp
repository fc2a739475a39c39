#include "actions/CCEaseSineIn.h"

#include <cmath>

#include "actions/CCEaseSineOut.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseSineIn* CCEaseSineIn::create(CCActionInterval* action)
{
    auto* ease = new CCEaseSineIn();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseSineIn::update(float t)
{
    m_pInner->update(1 - std::cos(t * kPi / 2));
}

CCObject* CCEaseSineIn::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseSineIn();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseSineIn::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseSineOut::create(inner) : nullptr;
}

} // namespace cocos2d
