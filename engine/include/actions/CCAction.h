// Base of every action. An action is started on a target (startWithTarget captures start values),
// stepped once per frame by the action manager, and stopped when done or removed.
#pragma once

#include "base/CCObject.h"

namespace cocos2d {

class CCNode;

enum { kCCActionTagInvalid = -1 };

class CCAction : public CCObject {
public:
    CCAction() = default;
    ~CCAction() override = default;
    static CCAction* create();

    const char* description();
    CCObject* copyWithZone(CCZone* zone) override;

    virtual bool isDone();
    virtual void startWithTarget(CCNode* target);
    // Forgets the target. Called when the action ends (not when it is removed early).
    virtual void stop();
    virtual void step(float dt);
    // t in 0..1 (easing may go outside).
    void update(float time) override;

    CCNode* getTarget() const { return m_pTarget; }
    void setTarget(CCNode* target) { m_pTarget = target; }
    CCNode* getOriginalTarget() const { return m_pOriginalTarget; }
    void setOriginalTarget(CCNode* target) { m_pOriginalTarget = target; }
    int getTag() const { return m_nTag; }
    void setTag(int tag) { m_nTag = tag; }

protected:
    CCNode* m_pOriginalTarget = nullptr;
    CCNode* m_pTarget = nullptr;
    int m_nTag = kCCActionTagInvalid;
};

} // namespace cocos2d
