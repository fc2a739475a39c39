#include "actions/CCEaseRateAction.h"

#include "actions/ActionSupport.h"

namespace cocos2d {

CCEaseRateAction* CCEaseRateAction::create(CCActionInterval* action, float rate)
{
    auto* ease = new CCEaseRateAction();
    return detail::autoreleased(ease, ease->initWithAction(action, rate));
}

bool CCEaseRateAction::initWithAction(CCActionInterval* action, float rate)
{
    if (!CCActionEase::initWithAction(action))
        return false;
    m_fRate = rate;
    return true;
}

CCObject* CCEaseRateAction::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseRateAction();
    copy->initWithAction(inner, m_fRate);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseRateAction::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseRateAction::create(inner, 1 / m_fRate) : nullptr;
}

} // namespace cocos2d
