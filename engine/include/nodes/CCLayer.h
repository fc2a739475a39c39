// Full-window node that can take touches and the back key.
//
// Touch: setTouchEnabled(true) registers at onEnter (or at once when running) through
// registerWithTouchDispatcher(), which subclasses often override. Default mode all-at-once gives a
// standard delegate with priority 0; kCCTouchesOneByOne gives a targeted, swallowing delegate with
// the layer's touch priority. onExit unregisters only while the touch-enabled flag is set.
#pragma once

#include "nodes/CCNode.h"
#include "touch/CCKeypadDelegate.h"
#include "touch/CCTouchDelegateProtocol.h"

namespace cocos2d {

typedef enum { kCCTouchesAllAtOnce, kCCTouchesOneByOne } ccTouchesMode;

class CCLayer : public CCNode, public CCTouchDelegate, public CCKeypadDelegate {
public:
    CCLayer();
    ~CCLayer() override;
    bool init() override;
    static CCLayer* create();

    void onEnter() override;
    void onExit() override;
    void onEnterTransitionDidFinish() override;

    // Logs "override me" (2.2 asserts) and declines the touch.
    bool ccTouchBegan(CCTouch* touch, CCEvent* event) override;
    void ccTouchMoved(CCTouch* touch, CCEvent* event) override;
    void ccTouchEnded(CCTouch* touch, CCEvent* event) override;
    void ccTouchCancelled(CCTouch* touch, CCEvent* event) override;
    void ccTouchesBegan(CCSet* touches, CCEvent* event) override;
    void ccTouchesMoved(CCSet* touches, CCEvent* event) override;
    void ccTouchesEnded(CCSet* touches, CCEvent* event) override;
    void ccTouchesCancelled(CCSet* touches, CCEvent* event) override;

    virtual void registerWithTouchDispatcher();

    virtual bool isTouchEnabled() const { return m_touchEnabled; }
    virtual void setTouchEnabled(bool enabled);
    virtual void setTouchMode(ccTouchesMode mode);
    virtual int getTouchMode() const { return m_touchMode; }
    // Re-registers when touch is enabled, which puts this layer first among equal priorities.
    virtual void setTouchPriority(int priority);
    virtual int getTouchPriority() const { return m_touchPriority; }

    virtual bool isAccelerometerEnabled() const { return false; }
    virtual void setAccelerometerEnabled(bool) {}

    virtual bool isKeypadEnabled() const { return m_keypadEnabled; }
    virtual void setKeypadEnabled(bool enabled);
    void keyBackClicked() override {}
    void keyMenuClicked() override {}

protected:
    bool m_touchEnabled = false;
    bool m_keypadEnabled = false;
    int m_touchPriority = 0;
    ccTouchesMode m_touchMode = kCCTouchesAllAtOnce;
};

} // namespace cocos2d
