// k = 1.70158, u = t - 1: u^2 ((k + 1) u + k) + 1
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseBackOut : public CCActionEase {
public:
    static CCEaseBackOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
