// Like CCRotateTo; the x start is folded by 180, the y start by 360.
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCSkewTo : public CCActionInterval {
public:
    static CCSkewTo* create(float t, float sx, float sy);
    virtual bool initWithDuration(float t, float sx, float sy);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;

protected:
    float m_fSkewX = 0, m_fSkewY = 0;
    float m_fStartSkewX = 0, m_fStartSkewY = 0;
    float m_fEndSkewX = 0, m_fEndSkewY = 0;
    float m_fDeltaX = 0, m_fDeltaY = 0;
};

} // namespace cocos2d
