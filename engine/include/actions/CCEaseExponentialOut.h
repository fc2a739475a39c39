// t = 1 -> 1, else 1 - 2^(-10 t)
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseExponentialOut : public CCActionEase {
public:
    static CCEaseExponentialOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
