// A layer of menu items: a targeted, swallowing touch handler at priority -128. A touch is claimed
// when it starts on a visible, enabled item of a visible, enabled menu whose ancestors are all
// visible; the item under the finger follows moves; release activates the item still selected.
#pragma once

#include "nodes/CCLayerRGBA.h"

namespace cocos2d {

class CCMenuItem;

enum { kCCMenuHandlerPriority = -128 };
typedef enum { kCCMenuStateWaiting, kCCMenuStateTrackingTouch } tCCMenuState;

class CCMenu : public CCLayerRGBA {
public:
    static CCMenu* create();
    // Items end with a null.
    static CCMenu* create(CCMenuItem* item, ...);
    static CCMenu* createWithArray(CCArray* items);
    static CCMenu* createWithItem(CCMenuItem* item);

    bool init() override;
    bool initWithArray(CCArray* items);

    void alignItemsVertically();
    void alignItemsVerticallyWithPadding(float padding);
    void alignItemsHorizontally();
    void alignItemsHorizontallyWithPadding(float padding);

    void setHandlerPriority(int newPriority);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    tCCMenuState getState() const { return m_state; }
    CCMenuItem* getSelectedItem() { return m_selectedItem; }

    using CCNode::addChild;
    void addChild(CCNode* child, int zOrder, int tag) override;
    void removeChild(CCNode* child, bool cleanup) override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(CCTouch* touch, CCEvent* event) override;
    void ccTouchEnded(CCTouch* touch, CCEvent* event) override;
    void ccTouchCancelled(CCTouch* touch, CCEvent* event) override;
    void ccTouchMoved(CCTouch* touch, CCEvent* event) override;
    void onExit() override;

    void setOpacityModifyRGB(bool) override {}
    bool isOpacityModifyRGB() override { return false; }

protected:
    CCMenuItem* itemForTouch(CCTouch* touch);

    tCCMenuState m_state = kCCMenuStateWaiting;
    CCMenuItem* m_selectedItem = nullptr;
    bool m_enabled = false;
};

} // namespace cocos2d
