#pragma once

#include "actions/CCSkewTo.h"

namespace cocos2d {

class CCSkewBy : public CCSkewTo {
public:
    static CCSkewBy* create(float t, float deltaSkewX, float deltaSkewY);
    bool initWithDuration(float t, float sx, float sy) override;
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;
};

} // namespace cocos2d
