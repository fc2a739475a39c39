// k = 1.70158 * 1.525, u = 2t: u < 1 -> u^2 ((k + 1) u - k) / 2, else u -= 2: u^2 ((k + 1) u + k) / 2 + 1
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseBackInOut : public CCActionEase {
public:
    static CCEaseBackInOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
