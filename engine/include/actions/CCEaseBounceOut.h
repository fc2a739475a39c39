// b(t)
#pragma once

#include "actions/CCEaseBounce.h"

namespace cocos2d {

class CCEaseBounceOut : public CCEaseBounce {
public:
    static CCEaseBounceOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
