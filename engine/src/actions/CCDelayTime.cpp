#include "actions/CCDelayTime.h"

#include "actions/ActionSupport.h"

namespace cocos2d {

CCDelayTime* CCDelayTime::create(float d)
{
    auto* action = new CCDelayTime();
    return detail::autoreleased(action, action->initWithDuration(d));
}

CCObject* CCDelayTime::copyWithZone(CCZone*)
{
    auto* copy = new CCDelayTime();
    copy->initWithDuration(m_fDuration);
    return copy;
}

void CCDelayTime::update(float) {}

CCActionInterval* CCDelayTime::reverse()
{
    return CCDelayTime::create(m_fDuration);
}

} // namespace cocos2d
