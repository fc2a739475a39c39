// Base of the controls (cocos2d-x 2.2): a touch layer (priority 1, targeted, swallowing) that sends
// control events to registered target/action pairs. Before each action runs the click sound plays.
#pragma once

#include <vector>

#include "nodes/CCLayerRGBA.h"

namespace cocos2d::extension {

enum {
    CCControlEventTouchDown = 1 << 0,
    CCControlEventTouchDragInside = 1 << 1,
    CCControlEventTouchDragOutside = 1 << 2,
    CCControlEventTouchDragEnter = 1 << 3,
    CCControlEventTouchDragExit = 1 << 4,
    CCControlEventTouchUpInside = 1 << 5,
    CCControlEventTouchUpOutside = 1 << 6,
    CCControlEventTouchCancel = 1 << 7,
    CCControlEventValueChanged = 1 << 8
};
typedef unsigned int CCControlEvent;

enum { CCControlStateNormal = 1 << 0, CCControlStateHighlighted = 1 << 1, CCControlStateDisabled = 1 << 2, CCControlStateSelected = 1 << 3 };
typedef unsigned int CCControlState;

typedef void (CCObject::*SEL_CCControlHandler)(CCObject*, CCControlEvent);
#define cccontrol_selector(_SELECTOR) (::cocos2d::extension::SEL_CCControlHandler)(&_SELECTOR)

constexpr int kCCControlEventTotalNumber = 9;

class CCControl : public CCLayerRGBA {
public:
    CCControl();
    ~CCControl() override;
    static CCControl* create();
    bool init() override;

    virtual void setEnabled(bool enabled);
    virtual bool isEnabled() const { return m_enabled; }
    virtual void setSelected(bool selected);
    virtual bool isSelected() const { return m_selected; }
    virtual void setHighlighted(bool highlighted);
    virtual bool isHighlighted() const { return m_highlighted; }
    CCControlState getState() const;
    bool hasVisibleParents();
    virtual void needsLayout() {}

    // One registration per event bit; the target is not retained (2.2 contract).
    virtual void addTargetWithActionForControlEvents(CCObject* target, SEL_CCControlHandler action,
                                                     CCControlEvent controlEvents);
    virtual void removeTargetWithActionForControlEvents(CCObject* target, SEL_CCControlHandler action,
                                                        CCControlEvent controlEvents);
    virtual void sendActionsForControlEvents(CCControlEvent controlEvents);

    virtual CCPoint getTouchLocation(CCTouch* touch);
    virtual bool isTouchInside(CCTouch* touch);
    void registerWithTouchDispatcher() override;
    void onEnter() override;
    void onExit() override;

protected:
    struct Invocation {
        CCObject* target;
        SEL_CCControlHandler action;
    };
    std::vector<Invocation> m_dispatch[kCCControlEventTotalNumber];
    bool m_enabled = true;
    bool m_selected = false;
    bool m_highlighted = false;
};

} // namespace cocos2d::extension
