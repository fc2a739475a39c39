// Runs an action on another node (retained) as part of this one's sequence.
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCTargetedAction : public CCActionInterval {
public:
    ~CCTargetedAction() override;
    static CCTargetedAction* create(CCNode* target, CCFiniteTimeAction* action);
    bool initWithTarget(CCNode* target, CCFiniteTimeAction* action);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    void update(float time) override;
    CCNode* getForcedTarget() { return m_pForcedTarget; }
    void setForcedTarget(CCNode* target);

private:
    CCFiniteTimeAction* m_pAction = nullptr;
    CCNode* m_pForcedTarget = nullptr;
};

} // namespace cocos2d
