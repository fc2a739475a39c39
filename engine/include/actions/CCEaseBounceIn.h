// 1 - b(1 - t)
#pragma once

#include "actions/CCEaseBounce.h"

namespace cocos2d {

class CCEaseBounceIn : public CCEaseBounce {
public:
    static CCEaseBounceIn* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
