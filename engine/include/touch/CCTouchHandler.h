// One registration with the touch dispatcher. Retains its delegate (when it is a CCObject).
#pragma once

#include "base/CCSet.h"
#include "touch/CCTouchDelegateProtocol.h"

namespace cocos2d {

class CCTouchHandler : public CCObject {
public:
    ~CCTouchHandler() override;
    CCTouchDelegate* getDelegate() const { return m_delegate; }
    int getPriority() const { return m_priority; }
    void setPriority(int priority) { m_priority = priority; }
    virtual bool isTargeted() const { return false; }

    static CCTouchHandler* handlerWithDelegate(CCTouchDelegate* delegate, int priority);

protected:
    bool initWithDelegate(CCTouchDelegate* delegate, int priority);
    CCTouchDelegate* m_delegate = nullptr;
    int m_priority = 0;
};

class CCStandardTouchHandler : public CCTouchHandler {
public:
    static CCStandardTouchHandler* handlerWithDelegate(CCTouchDelegate* delegate, int priority);
};

class CCTargetedTouchHandler : public CCTouchHandler {
public:
    static CCTargetedTouchHandler* handlerWithDelegate(CCTouchDelegate* delegate, int priority, bool swallow);
    ~CCTargetedTouchHandler() override;
    bool isTargeted() const override { return true; }
    bool isSwallowsTouches() const { return m_swallowsTouches; }
    void setSwallowsTouches(bool swallows) { m_swallowsTouches = swallows; }
    // The touches this handler claimed in ccTouchBegan and has not seen end yet.
    CCSet* getClaimedTouches() { return m_claimedTouches; }

private:
    bool m_swallowsTouches = false;
    CCSet* m_claimedTouches = nullptr;
};

} // namespace cocos2d
