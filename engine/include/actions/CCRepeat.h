// Runs the inner action `times` times in a row (an instant inner action fires `times` times).
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCRepeat : public CCActionInterval {
public:
    ~CCRepeat() override;
    static CCRepeat* create(CCFiniteTimeAction* action, unsigned int times);
    bool initWithAction(CCFiniteTimeAction* action, unsigned int times);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    void update(float dt) override;
    bool isDone() override;
    CCActionInterval* reverse() override;

    void setInnerAction(CCFiniteTimeAction* action);
    CCFiniteTimeAction* getInnerAction() { return m_pInnerAction; }

private:
    unsigned int m_uTimes = 0;
    unsigned int m_uTotal = 0;
    bool m_bActionInstant = false;
    CCFiniteTimeAction* m_pInnerAction = nullptr;
};

} // namespace cocos2d
