// visible = true
#pragma once

#include "actions/CCActionInstant.h"

namespace cocos2d {

class CCShow : public CCActionInstant {
public:
    static CCShow* create();
    void update(float time) override;
    CCFiniteTimeAction* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;
};

} // namespace cocos2d
