#pragma once

#include "actions/CCCardinalSplineBy.h"

namespace cocos2d {

class CCCatmullRomBy : public CCCardinalSplineBy {
public:
    static CCCatmullRomBy* create(float dt, CCPointArray* points);
    bool initWithDuration(float dt, CCPointArray* points);
};

} // namespace cocos2d
