// visible = false
#pragma once

#include "actions/CCActionInstant.h"

namespace cocos2d {

class CCHide : public CCActionInstant {
public:
    static CCHide* create();
    void update(float time) override;
    CCFiniteTimeAction* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;
};

} // namespace cocos2d
