// t^rate
#pragma once

#include "actions/CCEaseRateAction.h"

namespace cocos2d {

class CCEaseIn : public CCEaseRateAction {
public:
    static CCEaseIn* create(CCActionInterval* action, float rate);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
