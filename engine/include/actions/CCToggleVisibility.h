// visible = !visible
#pragma once

#include "actions/CCActionInstant.h"

namespace cocos2d {

class CCToggleVisibility : public CCActionInstant {
public:
    static CCToggleVisibility* create();
    void update(float time) override;
    CCFiniteTimeAction* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;
};

} // namespace cocos2d
