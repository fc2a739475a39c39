// Menu items: a target/selector pair fired by activate(), selection state, and the rectangle the
// menu hit-tests (content size at the item's position and anchor, in the parent's space).
#pragma once

#include "nodes/CCNodeRGBA.h"

namespace cocos2d {

#define kCCItemSize 32

class CCMenuItem : public CCNodeRGBA {
public:
    CCMenuItem();
    ~CCMenuItem() override;

    static CCMenuItem* create();
    static CCMenuItem* create(CCObject* target, SEL_MenuHandler selector);
    bool initWithTarget(CCObject* target, SEL_MenuHandler selector);

    CCRect rect();
    virtual void activate();
    virtual void selected();
    virtual void unselected();
    virtual bool isEnabled() { return m_enabled; }
    virtual void setEnabled(bool enabled) { m_enabled = enabled; }
    virtual bool isSelected() { return m_selected; }
    void setTarget(CCObject* target, SEL_MenuHandler selector);

protected:
    bool m_selected = false;
    bool m_enabled = true;
    CCObject* m_listener = nullptr;
    SEL_MenuHandler m_selector = nullptr;
};

} // namespace cocos2d
