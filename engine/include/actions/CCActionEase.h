// Base of the easings: same duration as the inner action, which is updated with f(t). Curves that
// overshoot pass values outside 0..1 on.
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCActionEase : public CCActionInterval {
public:
    ~CCActionEase() override;
    static CCActionEase* create(CCActionInterval* action);
    bool initWithAction(CCActionInterval* action);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    // Inner update with the eased time; the base passes t through.
    void update(float time) override;
    CCActionInterval* reverse() override;
    virtual CCActionInterval* getInnerAction() { return m_pInner; }

protected:
    CCActionInterval* m_pInner = nullptr;
};

} // namespace cocos2d
