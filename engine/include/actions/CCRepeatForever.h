// Never done. When the inner action ends it restarts, carrying the overshoot into the new run.
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCRepeatForever : public CCActionInterval {
public:
    ~CCRepeatForever() override;
    static CCRepeatForever* create(CCActionInterval* action);
    bool initWithAction(CCActionInterval* action);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void step(float dt) override;
    bool isDone() override { return false; }
    CCActionInterval* reverse() override;

    void setInnerAction(CCActionInterval* action);
    CCActionInterval* getInnerAction() { return m_pInnerAction; }

private:
    CCActionInterval* m_pInnerAction = nullptr;
};

} // namespace cocos2d
