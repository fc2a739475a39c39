// An item cycling through sub-items: activation moves to the next one, then fires the callback.
#pragma once

#include "menu/CCMenuItem.h"

namespace cocos2d {

class CCMenuItemToggle : public CCMenuItem {
public:
    ~CCMenuItemToggle() override;
    // Items end with a null.
    static CCMenuItemToggle* createWithTarget(CCObject* target, SEL_MenuHandler selector, CCMenuItem* item, ...);
    static CCMenuItemToggle* createWithTarget(CCObject* target, SEL_MenuHandler selector, CCArray* items);
    static CCMenuItemToggle* create(CCMenuItem* item);
    bool initWithTarget(CCObject* target, SEL_MenuHandler selector, CCArray* items);

    void addSubItem(CCMenuItem* item);
    CCMenuItem* selectedItem();
    unsigned int getSelectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(unsigned int index);
    CCArray* getSubItems() { return m_subItems; }

    void activate() override;
    void selected() override;
    void unselected() override;
    void setEnabled(bool enabled) override;

private:
    CCArray* m_subItems = nullptr;
    unsigned int m_selectedIndex = UINT_MAX;
};

} // namespace cocos2d
