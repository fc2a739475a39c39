// Touch delegates. Targeted delegates get one touch at a time and may claim (return true from
// ccTouchBegan) and swallow it; standard delegates get the set of touches and never claim.
#pragma once

#include "base/CCSet.h"
#include "touch/CCEvent.h"
#include "touch/CCTouch.h"

namespace cocos2d {

class CCTouchDelegate {
public:
    CCTouchDelegate() = default;
    virtual ~CCTouchDelegate() = default;

    virtual bool ccTouchBegan(CCTouch* touch, CCEvent* event)
    {
        CC_UNUSED_PARAM(touch);
        CC_UNUSED_PARAM(event);
        return false;
    }
    virtual void ccTouchMoved(CCTouch* touch, CCEvent* event) { CC_UNUSED_PARAM(touch); CC_UNUSED_PARAM(event); }
    virtual void ccTouchEnded(CCTouch* touch, CCEvent* event) { CC_UNUSED_PARAM(touch); CC_UNUSED_PARAM(event); }
    virtual void ccTouchCancelled(CCTouch* touch, CCEvent* event) { CC_UNUSED_PARAM(touch); CC_UNUSED_PARAM(event); }

    virtual void ccTouchesBegan(CCSet* touches, CCEvent* event) { CC_UNUSED_PARAM(touches); CC_UNUSED_PARAM(event); }
    virtual void ccTouchesMoved(CCSet* touches, CCEvent* event) { CC_UNUSED_PARAM(touches); CC_UNUSED_PARAM(event); }
    virtual void ccTouchesEnded(CCSet* touches, CCEvent* event) { CC_UNUSED_PARAM(touches); CC_UNUSED_PARAM(event); }
    virtual void ccTouchesCancelled(CCSet* touches, CCEvent* event) { CC_UNUSED_PARAM(touches); CC_UNUSED_PARAM(event); }
};

class CCTargetedTouchDelegate : public CCTouchDelegate {
};

class CCStandardTouchDelegate : public CCTouchDelegate {
};

} // namespace cocos2d
