// t^(1/rate)
#pragma once

#include "actions/CCEaseRateAction.h"

namespace cocos2d {

class CCEaseOut : public CCEaseRateAction {
public:
    static CCEaseOut* create(CCActionInterval* action, float rate);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
