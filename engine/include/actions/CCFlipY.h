#pragma once

#include "actions/CCActionInstant.h"
#include "actions/CCFlippable.h"

namespace cocos2d {

class CCFlipY : public CCActionInstant {
public:
    static CCFlipY* create(bool flipY);
    bool initWithFlipY(bool flipY);
    void update(float time) override;
    CCFiniteTimeAction* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;

protected:
    bool m_bFlipY = false;
};

} // namespace cocos2d
