// u = t - 1: -2^(10 u) sin((u - s) 2 pi / P)
#pragma once

#include "actions/CCEaseElastic.h"

namespace cocos2d {

class CCEaseElasticIn : public CCEaseElastic {
public:
    static CCEaseElasticIn* create(CCActionInterval* action, float period);
    static CCEaseElasticIn* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
