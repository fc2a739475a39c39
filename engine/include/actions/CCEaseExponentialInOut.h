// u = 2t: u < 1 -> 2^(10 (u - 1)) / 2, else (2 - 2^(-10 (u - 1))) / 2
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseExponentialInOut : public CCActionEase {
public:
    static CCEaseExponentialInOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
