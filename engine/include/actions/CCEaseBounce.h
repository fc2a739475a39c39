#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseBounce : public CCActionEase {
public:
    static CCEaseBounce* create(CCActionInterval* action);
    // The bounce helper b(t) of the bounce curves.
    float bounceTime(float time);
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
