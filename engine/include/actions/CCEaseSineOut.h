// sin(t pi / 2)
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseSineOut : public CCActionEase {
public:
    static CCEaseSineOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
