#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCReverseTime : public CCActionInterval {
public:
    ~CCReverseTime() override;
    static CCReverseTime* create(CCFiniteTimeAction* action);
    bool initWithAction(CCFiniteTimeAction* action);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    void update(float time) override;
    CCActionInterval* reverse() override;

private:
    CCFiniteTimeAction* m_pOther = nullptr;
};

} // namespace cocos2d
