#include "actions/CCCatmullRomBy.h"

#include "actions/ActionSupport.h"

namespace cocos2d {

CCCatmullRomBy* CCCatmullRomBy::create(float dt, CCPointArray* points)
{
    auto* action = new CCCatmullRomBy();
    return detail::autoreleased(action, action->initWithDuration(dt, points));
}

bool CCCatmullRomBy::initWithDuration(float dt, CCPointArray* points)
{
    return CCCardinalSplineTo::initWithDuration(dt, points, 0.5f);
}

} // namespace cocos2d
