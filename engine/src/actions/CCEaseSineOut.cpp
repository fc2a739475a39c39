#include "actions/CCEaseSineOut.h"

#include <cmath>

#include "actions/CCEaseSineIn.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
[[maybe_unused]] constexpr float kPi = 3.14159265358979f;
}

CCEaseSineOut* CCEaseSineOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseSineOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseSineOut::update(float t)
{
    m_pInner->update(std::sin(t * kPi / 2));
}

CCObject* CCEaseSineOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseSineOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseSineOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseSineIn::create(inner) : nullptr;
}

} // namespace cocos2d
