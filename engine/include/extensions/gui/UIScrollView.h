// A clipped view over a larger inner container that the finger drags along the allowed directions.
// Widget children go into the inner container. A touch that starts on a child and moves more than
// 5 points turns into a drag: the child's release then reports CANCELED.
#pragma once

#include "extensions/gui/UILayout.h"

namespace cocos2d::extension {

typedef enum { SCROLLVIEW_DIR_NONE, SCROLLVIEW_DIR_VERTICAL, SCROLLVIEW_DIR_HORIZONTAL, SCROLLVIEW_DIR_BOTH } SCROLLVIEW_DIR;

class UIScrollView : public UILayout {
public:
    static UIScrollView* create();
    bool init() override;
    std::string getDescription() const override { return "ScrollView"; }

    using CCNode::addChild;
    void addChild(CCNode* child, int zOrder, int tag) override;
    void removeAllChildren() override;
    // The widgets in the inner container, as 2.2 answers.
    CCArray* getChildren() override;
    UILayout* getInnerContainer() const { return m_inner; }
    void setInnerContainerSize(const CCSize& size);
    const CCSize& getInnerContainerSize() const;
    void setDirection(SCROLLVIEW_DIR direction) { m_direction = direction; }
    SCROLLVIEW_DIR getDirection() const { return m_direction; }
    void setBounceEnabled(bool enabled) { m_bounce = enabled; }
    bool isBounceEnabled() const { return m_bounce; }
    void setInertiaScrollEnabled(bool enabled) { m_inertia = enabled; }
    void jumpToTop();
    void jumpToBottom();
    void jumpToLeft();
    void jumpToRight();
    void scrollToTop(float, bool) { jumpToTop(); }
    void scrollToBottom(float, bool) { jumpToBottom(); }

    // The touch of a descendant (or our own) passes through here first.
    void interceptTouchBegan(const CCPoint& point);
    void interceptTouchMoved(const CCPoint& point, UIWidget* sender);
    void interceptTouchEnded(const CCPoint& point);
    bool isDragging() const { return m_dragging; }
    // After a drag the content glides on, slowing down each frame (inertia).
    void update(float dt) override;

    bool onTouchBegan(const CCPoint& touchPoint) override;
    void onTouchMoved(const CCPoint& touchPoint) override;
    void onTouchEnded(const CCPoint& touchPoint) override;

protected:
    void onSizeChanged() override;
    // Moves the inner container by delta, kept inside the scroll limits.
    void moveInner(const CCPoint& delta);

    UILayout* m_inner = nullptr;
    SCROLLVIEW_DIR m_direction = SCROLLVIEW_DIR_VERTICAL;
    bool m_bounce = false;
    bool m_inertia = true;
    bool m_dragging = false;
    CCPoint m_dragStart, m_lastPoint;
    CCPoint m_velocity; // points per frame of the last drag move, while gliding
};

} // namespace cocos2d::extension
