#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCScaleTo : public CCActionInterval {
public:
    static CCScaleTo* create(float duration, float s);
    static CCScaleTo* create(float duration, float sx, float sy);
    bool initWithDuration(float duration, float s);
    bool initWithDuration(float duration, float sx, float sy);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;

protected:
    float m_fScaleX = 1, m_fScaleY = 1;
    float m_fStartScaleX = 1, m_fStartScaleY = 1;
    float m_fEndScaleX = 1, m_fEndScaleY = 1;
    float m_fDeltaX = 0, m_fDeltaY = 0;
};

} // namespace cocos2d
