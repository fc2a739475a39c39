// u = 2t - 1 (P 0 means 0.45): u < 0 -> -2^(10 u) sin((u - s) 2 pi / P) / 2,
// else 2^(-10 u) sin((u - s) 2 pi / P) / 2 + 1
#pragma once

#include "actions/CCEaseElastic.h"

namespace cocos2d {

class CCEaseElasticInOut : public CCEaseElastic {
public:
    static CCEaseElasticInOut* create(CCActionInterval* action, float period);
    static CCEaseElasticInOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
