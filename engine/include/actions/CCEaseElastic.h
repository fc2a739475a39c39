// Elastic curves with period P (default 0.3), s = P / 4; t = 0 and t = 1 pass unchanged.
#pragma once

#include "actions/CCActionEase.h"

namespace cocos2d {

class CCEaseElastic : public CCActionEase {
public:
    static CCEaseElastic* create(CCActionInterval* action, float period);
    static CCEaseElastic* create(CCActionInterval* action);
    bool initWithAction(CCActionInterval* action, float period = 0.3f);
    float getPeriod() const { return m_fPeriod; }
    void setPeriod(float period) { m_fPeriod = period; }
    CCObject* copyWithZone(CCZone* zone) override;
    CCActionInterval* reverse() override;

protected:
    float m_fPeriod = 0.3f;
};

} // namespace cocos2d
