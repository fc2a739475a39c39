#pragma once

#include "actions/CCActionInstant.h"
#include "actions/CCFlippable.h"

namespace cocos2d {

class CCFlipX : public CCActionInstant {
public:
    static CCFlipX* create(bool flipX);
    bool initWithFlipX(bool flipX);
    void update(float time) override;
    CCFiniteTimeAction* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;

protected:
    bool m_bFlipX = false;
};

} // namespace cocos2d
