// opacity = 255 * t, whatever the opacity was. Acts on nodes with CCRGBAProtocol.
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCFadeIn : public CCActionInterval {
public:
    static CCFadeIn* create(float d);
    CCObject* copyWithZone(CCZone* zone) override;
    void update(float time) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
