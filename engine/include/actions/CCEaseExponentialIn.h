// t = 0 -> 0, else 2^(10 (t - 1)) - 0.001
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseExponentialIn : public CCActionEase {
public:
    static CCEaseExponentialIn* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
