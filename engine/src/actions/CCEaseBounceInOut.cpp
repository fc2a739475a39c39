#include "actions/CCEaseBounceInOut.h"

#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseBounceInOut* CCEaseBounceInOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseBounceInOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseBounceInOut::update(float t)
{
    if (t < 0.5f)
        m_pInner->update((1 - bounceTime(1 - t * 2)) * 0.5f);
    else
        m_pInner->update(bounceTime(t * 2 - 1) * 0.5f + 0.5f);
}

CCObject* CCEaseBounceInOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseBounceInOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseBounceInOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseBounceInOut::create(inner) : nullptr;
}

} // namespace cocos2d
