#include "actions/CCCatmullRomTo.h"

#include "actions/ActionSupport.h"

namespace cocos2d {

CCCatmullRomTo* CCCatmullRomTo::create(float dt, CCPointArray* points)
{
    auto* action = new CCCatmullRomTo();
    return detail::autoreleased(action, action->initWithDuration(dt, points));
}

bool CCCatmullRomTo::initWithDuration(float dt, CCPointArray* points)
{
    return CCCardinalSplineTo::initWithDuration(dt, points, 0.5f);
}

} // namespace cocos2d
