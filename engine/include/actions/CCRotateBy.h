#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCRotateBy : public CCActionInterval {
public:
    static CCRotateBy* create(float duration, float deltaAngle);
    static CCRotateBy* create(float duration, float deltaAngleX, float deltaAngleY);
    bool initWithDuration(float duration, float deltaAngle);
    bool initWithDuration(float duration, float deltaAngleX, float deltaAngleY);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;
    CCActionInterval* reverse() override;

protected:
    float m_fAngleX = 0, m_fStartAngleX = 0;
    float m_fAngleY = 0, m_fStartAngleY = 0;
};

} // namespace cocos2d
