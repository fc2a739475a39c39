// Control points in the parent's space, made relative to the start position at start.
#pragma once

#include "actions/CCBezierBy.h"

namespace cocos2d {

class CCBezierTo : public CCBezierBy {
public:
    static CCBezierTo* create(float t, const ccBezierConfig& c);
    bool initWithDuration(float t, const ccBezierConfig& c);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;

protected:
    ccBezierConfig m_sToConfig;
};

} // namespace cocos2d
