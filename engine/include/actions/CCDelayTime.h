#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCDelayTime : public CCActionInterval {
public:
    static CCDelayTime* create(float d);
    CCObject* copyWithZone(CCZone* zone) override;
    void update(float time) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
