// u = 2t: u < 1 -> u^rate / 2, else 1 - (2 - u)^rate / 2
#pragma once

#include "actions/CCEaseRateAction.h"

namespace cocos2d {

class CCEaseInOut : public CCEaseRateAction {
public:
    static CCEaseInOut* create(CCActionInterval* action, float rate);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
