// Base of the CocoStudio layout widgets (cocos2d-x 2.2.1 names).
//
// A widget has a size of its own (getSize) apart from the node's content size: ordinary widgets keep a
// zero content size, so their children sit relative to the widget's anchor point, while containers
// (UILayout and its subclasses) take their size as content size and place children from their
// bottom-left corner. The picture of a widget is drawn with its anchor at the widget's position.
//
// Touch: the owning UILayer hands a touch to the topmost widget that is enabled, touch-enabled, visible
// together with every ancestor (the stock 2.2 reader forgot the visibility check), contains the point and
// lies inside every clipping container above it. The listener gets BEGAN, MOVED and at release ENDED
// (finger still inside) or CANCELED. Just before BEGAN reaches a listener the click sound plays.
#pragma once

#include <string>

#include "nodes/CCNodeRGBA.h"

namespace cocos2d::extension {

typedef enum { TOUCH_EVENT_BEGAN, TOUCH_EVENT_MOVED, TOUCH_EVENT_ENDED, TOUCH_EVENT_CANCELED } TouchEventType;
typedef void (CCObject::*SEL_TouchEvent)(CCObject*, TouchEventType);
#define toucheventselector(_SELECTOR) (::cocos2d::extension::SEL_TouchEvent)(&_SELECTOR)

typedef enum { UI_TEX_TYPE_LOCAL = 0, UI_TEX_TYPE_PLIST = 1 } TextureResType;
typedef enum { SIZE_ABSOLUTE, SIZE_PERCENT } SizeType;
typedef enum { POSITION_ABSOLUTE, POSITION_PERCENT } PositionType;
typedef enum { BRIGHT_NONE = -1, BRIGHT_NORMAL, BRIGHT_HIGHLIGHT } BrightStyle;

typedef enum {
    LINEAR_GRAVITY_NONE, LINEAR_GRAVITY_LEFT, LINEAR_GRAVITY_TOP, LINEAR_GRAVITY_RIGHT, LINEAR_GRAVITY_BOTTOM,
    LINEAR_GRAVITY_CENTER_VERTICAL, LINEAR_GRAVITY_CENTER_HORIZONTAL
} UILinearGravity;

struct UIMargin {
    float left = 0, top = 0, right = 0, bottom = 0;
};

// How a child sits in a linear layout (our flat stand-in for 2.2's layout parameter objects).
struct UILinearLayoutParameter {
    bool set = false;
    UILinearGravity gravity = LINEAR_GRAVITY_NONE;
    UIMargin margin;
};

class UIWidget : public CCNodeRGBA {
public:
    UIWidget();
    ~UIWidget() override;
    static UIWidget* create();
    bool init() override;

    void setName(const char* name) { m_name = name ? name : ""; }
    const char* getName() const { return m_name.c_str(); }
    void setActionTag(int tag) { m_actionTag = tag; }
    int getActionTag() const { return m_actionTag; }
    virtual std::string getDescription() const { return "Widget"; }
    // Containers place children from their bottom-left corner and report their size as content size.
    virtual bool isContainer() const { return false; }

    // --- size and position
    virtual void setSize(const CCSize& size);
    const CCSize& getSize() const { return m_size; }
    // True: size follows the content (picture or text); false: the custom size, the picture scaled to it.
    virtual void ignoreContentAdaptWithSize(bool ignore);
    bool isIgnoreContentAdaptWithSize() const { return m_ignoreSize; }
    void setSizeType(SizeType type) { m_sizeType = type; }
    SizeType getSizeType() const { return m_sizeType; }
    void setSizePercent(const CCPoint& percent);
    const CCPoint& getSizePercent() const { return m_sizePercent; }
    void setPositionType(PositionType type) { m_positionType = type; }
    PositionType getPositionType() const { return m_positionType; }
    void setPositionPercent(const CCPoint& percent);
    const CCPoint& getPositionPercent() const { return m_positionPercent; }
    // Recomputes percent size and position from the parent's size (done at onEnter and on parent resize).
    virtual void updateSizeAndPosition();
    void setAnchorPoint(const CCPoint& anchor) override;
    CCPoint getWorldPosition();
    // The widget rectangle (-w*ax, -h*ay, w, h) in its own space, or (0,0,w,h) for containers.
    CCRect getLocalBounds() const;

    // --- state
    virtual void setTouchEnabled(bool enabled) { m_touchEnabled = enabled; }
    bool isTouchEnabled() const { return m_touchEnabled; }
    // Disabled widgets are neither drawn nor touchable; applies to the whole subtree.
    virtual void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    virtual void setBright(bool bright);
    bool isBright() const { return m_bright; }
    virtual void setBrightStyle(BrightStyle style);
    BrightStyle getBrightStyle() const { return m_brightStyle; }
    void setFocused(bool focused);
    bool isFocused() const { return m_focused; }
    bool isVisibleInTree();
    void visit() override;

    // --- touch
    void addTouchEventListener(CCObject* target, SEL_TouchEvent selector);
    bool hasTouchEventListener() const { return m_touchTarget && m_touchSelector; }
    virtual bool hitTest(const CCPoint& worldPoint);
    bool clippingParentAreaContainPoint(const CCPoint& worldPoint);
    virtual bool onTouchBegan(const CCPoint& touchPoint);
    virtual void onTouchMoved(const CCPoint& touchPoint);
    virtual void onTouchEnded(const CCPoint& touchPoint);
    virtual void onTouchCancelled(const CCPoint& touchPoint);
    // A scroll view above took the touch over: the release becomes CANCELED.
    void loseTouchFocus();
    const CCPoint& getTouchStartPos() const { return m_touchStart; }
    const CCPoint& getTouchMovePos() const { return m_touchMove; }
    const CCPoint& getTouchEndPos() const { return m_touchEnd; }

    // --- children
    // The child widgets only (pictures and titles are children too, but not widgets), as 2.2 answers:
    // a new autoreleased array each time.
    CCArray* getChildren() override;
    // Direct children only; UIHelper searches the whole tree.
    UIWidget* getChildByName(const char* name);
    UIWidget* getParentWidget();
    UIWidget* getWidgetParent() { return getParentWidget(); } // 2.2.2 spelling
    // 2.2.1 drew widgets through a separate renderer node; here the widget is its own renderer, so
    // plain nodes can be added to it directly (they draw with it, below or above by z).
    CCNode* getRenderer() { return this; }
    void addRenderer(CCNode* renderer, int zOrder) { CCNode::addChild(renderer, zOrder); }
    void addNode(CCNode* node, int zOrder = 0) { CCNode::addChild(node, zOrder); }
    void setLayoutParameter(const UILinearLayoutParameter& parameter) { m_layoutParameter = parameter; }
    const UILinearLayoutParameter& getLayoutParameter() const { return m_layoutParameter; }

protected:
    // Natural size of the content, used while ignoring the custom size.
    virtual CCSize getContentNaturalSize() const { return m_customSize; }
    // The size changed (or the content did): resize pictures, re-lay children.
    virtual void onSizeChanged();
    virtual void onPressStateChangedToNormal() {}
    virtual void onPressStateChangedToPressed() {}
    virtual void onPressStateChangedToDisabled() {}
    virtual void onTouchReleasedInside() {}
    // Re-reads the natural size after the content changed.
    void updateContentSize();
    void sendTouchEvent(TouchEventType type);
    void onEnter() override;

    std::string m_name;
    int m_actionTag = 0;
    CCSize m_size;
    CCSize m_customSize;
    bool m_ignoreSize = false;
    SizeType m_sizeType = SIZE_ABSOLUTE;
    CCPoint m_sizePercent;
    PositionType m_positionType = POSITION_ABSOLUTE;
    CCPoint m_positionPercent;
    bool m_touchEnabled = false;
    bool m_enabled = true;
    bool m_bright = true;
    bool m_focused = false;
    bool m_lostFocus = false;
    BrightStyle m_brightStyle = BRIGHT_NONE;
    CCObject* m_touchTarget = nullptr; // not retained (2.2 contract)
    SEL_TouchEvent m_touchSelector = nullptr;
    CCPoint m_touchStart, m_touchMove, m_touchEnd;
    UILinearLayoutParameter m_layoutParameter;
};

// Pictures and titles are children of the widget below every child widget.
constexpr int kWidgetPictureZ = -(1 << 28);

} // namespace cocos2d::extension
