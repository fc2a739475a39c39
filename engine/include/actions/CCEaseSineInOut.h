// -(cos(pi t) - 1) / 2
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseSineInOut : public CCActionEase {
public:
    static CCEaseSineInOut* create(CCActionInterval* action);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
