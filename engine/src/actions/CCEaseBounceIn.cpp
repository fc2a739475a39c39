#include "actions/CCEaseBounceIn.h"

#include "actions/CCEaseBounceOut.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseBounceIn* CCEaseBounceIn::create(CCActionInterval* action)
{
    auto* ease = new CCEaseBounceIn();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseBounceIn::update(float t)
{
    m_pInner->update(1 - bounceTime(1 - t));
}

CCObject* CCEaseBounceIn::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseBounceIn();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseBounceIn::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseBounceOut::create(inner) : nullptr;
}

} // namespace cocos2d
