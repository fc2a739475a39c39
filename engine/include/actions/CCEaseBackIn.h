// k = 1.70158: t^2 ((k + 1) t - k)
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseBackIn : public CCActionEase {
public:
    static CCEaseBackIn* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
