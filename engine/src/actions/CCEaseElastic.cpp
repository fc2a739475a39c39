#include "actions/CCEaseElastic.h"

#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseElastic* CCEaseElastic::create(CCActionInterval* action, float period)
{
    auto* ease = new CCEaseElastic();
    return detail::autoreleased(ease, ease->initWithAction(action, period));
}

CCEaseElastic* CCEaseElastic::create(CCActionInterval* action)
{
    return create(action, 0.3f);
}

bool CCEaseElastic::initWithAction(CCActionInterval* action, float period)
{
    if (!CCActionEase::initWithAction(action))
        return false;
    m_fPeriod = period;
    return true;
}

CCObject* CCEaseElastic::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseElastic();
    copy->initWithAction(inner, m_fPeriod);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseElastic::reverse()
{
    return nullptr;
}

} // namespace cocos2d
