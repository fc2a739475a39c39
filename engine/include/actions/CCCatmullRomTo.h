// Cardinal spline with tension 0.5.
#pragma once

#include "actions/CCCardinalSplineTo.h"

namespace cocos2d {

class CCCatmullRomTo : public CCCardinalSplineTo {
public:
    static CCCatmullRomTo* create(float dt, CCPointArray* points);
    bool initWithDuration(float dt, CCPointArray* points);
};

} // namespace cocos2d
