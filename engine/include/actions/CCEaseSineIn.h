// 1 - cos(t pi / 2)
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseSineIn : public CCActionEase {
public:
    static CCEaseSineIn* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
