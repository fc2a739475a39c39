#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseRateAction : public CCActionEase {
public:
    static CCEaseRateAction* create(CCActionInterval* action, float rate);
    bool initWithAction(CCActionInterval* action, float rate);
    void setRate(float rate) { m_fRate = rate; }
    float getRate() const { return m_fRate; }
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;

protected:
    float m_fRate = 1;
};

} // namespace cocos2d
