// 2^(-10 t) sin((t - s) 2 pi / P) + 1
#pragma once

#include "actions/CCEaseElastic.h"

namespace cocos2d {

class CCEaseElasticOut : public CCEaseElastic {
public:
    static CCEaseElasticOut* create(CCActionInterval* action, float period);
    static CCEaseElasticOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
