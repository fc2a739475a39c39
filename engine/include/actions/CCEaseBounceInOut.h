// t < 0.5 -> (1 - b(1 - 2t)) / 2, else b(2t - 1) / 2 + 0.5
#pragma once

#include "actions/CCEaseBounce.h"

namespace cocos2d {

class CCEaseBounceInOut : public CCEaseBounce {
public:
    static CCEaseBounceInOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
