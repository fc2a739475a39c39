#include "actions/CCActionInstant.h"

namespace cocos2d {

CCObject* CCActionInstant::copyWithZone(CCZone* zone)
{
    CC_UNUSED_PARAM(zone);
    return new CCActionInstant();
}

void CCActionInstant::step(float dt)
{
    CC_UNUSED_PARAM(dt);
    update(1);
}

void CCActionInstant::update(float time)
{
    CC_UNUSED_PARAM(time);
}

CCFiniteTimeAction* CCActionInstant::reverse()
{
    return static_cast<CCFiniteTimeAction*>(copy()->autorelease());
}

} // namespace cocos2d
