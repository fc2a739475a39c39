// Target scale = start scale times the factor.
#pragma once

#include "actions/CCScaleTo.h"

namespace cocos2d {

class CCScaleBy : public CCScaleTo {
public:
    static CCScaleBy* create(float duration, float s);
    static CCScaleBy* create(float duration, float sx, float sy);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
