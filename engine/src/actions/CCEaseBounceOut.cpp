#include "actions/CCEaseBounceOut.h"

#include "actions/CCEaseBounceIn.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseBounceOut* CCEaseBounceOut::create(CCActionInterval* action)
{
    auto* ease = new CCEaseBounceOut();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

void CCEaseBounceOut::update(float t)
{
    m_pInner->update(bounceTime(t));
}

CCObject* CCEaseBounceOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseBounceOut();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseBounceOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseBounceIn::create(inner) : nullptr;
}

} // namespace cocos2d
