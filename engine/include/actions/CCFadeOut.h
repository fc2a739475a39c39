// opacity = 255 * (1 - t).
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCFadeOut : public CCActionInterval {
public:
    static CCFadeOut* create(float d);
    CCObject* copyWithZone(CCZone* zone) override;
    void update(float time) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
