// A window (view size) onto a larger container that the finger drags (cocos2d-x 2.2 extension).
// Content offset = container position; maximum (0,0), minimum viewSize - containerSize. Targeted touch,
// the layer's priority, not swallowing; a drag starts past 7/160 inch (about 4.2 points) and after
// release the container glides (x0.95 a frame) and settles back inside in 0.15 s. Clips to the view.
#pragma once

#include "nodes/CCLayer.h"

namespace cocos2d::extension {

typedef enum {
    kCCScrollViewDirectionNone = -1,
    kCCScrollViewDirectionHorizontal = 0,
    kCCScrollViewDirectionVertical,
    kCCScrollViewDirectionBoth
} CCScrollViewDirection;

class CCScrollView;

class CCScrollViewDelegate {
public:
    virtual ~CCScrollViewDelegate() = default;
    virtual void scrollViewDidScroll(CCScrollView* view) { (void)view; }
    virtual void scrollViewDidZoom(CCScrollView* view) { (void)view; }
};

class CCScrollView : public CCLayer {
public:
    CCScrollView();
    ~CCScrollView() override;
    static CCScrollView* create(CCSize size, CCNode* container = nullptr);
    static CCScrollView* create();
    bool init() override;
    virtual bool initWithViewSize(CCSize size, CCNode* container = nullptr);

    void setContentOffset(CCPoint offset, bool animated = false);
    CCPoint getContentOffset();
    void setContentOffsetInDuration(CCPoint offset, float duration);
    CCPoint maxContainerOffset();
    CCPoint minContainerOffset();
    bool isNodeVisible(CCNode* node);

    void setContentSize(const CCSize& size) override;
    const CCSize& getContentSize() const override;
    CCSize getViewSize() const { return m_viewSize; }
    void setViewSize(CCSize size);
    CCNode* getContainer() const { return m_container; }
    void setContainer(CCNode* container);
    CCScrollViewDirection getDirection() const { return m_direction; }
    virtual void setDirection(CCScrollViewDirection direction) { m_direction = direction; }
    bool isBounceable() const { return m_bounceable; }
    void setBounceable(bool bounceable) { m_bounceable = bounceable; }
    bool isClippingToBounds() const { return m_clipToBounds; }
    void setClippingToBounds(bool clip) { m_clipToBounds = clip; }
    bool isDragging() const { return m_dragging; }
    bool isTouchMoved() const { return m_touchMoved; }
    CCScrollViewDelegate* getDelegate() const { return m_delegate; }
    void setDelegate(CCScrollViewDelegate* delegate) { m_delegate = delegate; }

    using CCNode::addChild;
    void addChild(CCNode* child, int zOrder, int tag) override;
    void visit() override;
    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(CCTouch* touch, CCEvent* event) override;
    void ccTouchMoved(CCTouch* touch, CCEvent* event) override;
    void ccTouchEnded(CCTouch* touch, CCEvent* event) override;
    void ccTouchCancelled(CCTouch* touch, CCEvent* event) override;

    // The view rectangle in world space.
    CCRect getViewRect();

protected:
    void relocateContainer(bool animated);
    void deaccelerateScrolling(float dt);
    void stoppedAnimatedScroll(CCNode* node);
    void performedAnimatedScroll(float dt);
    virtual void onScrolled() {}

    CCNode* m_container = nullptr;
    CCScrollViewDelegate* m_delegate = nullptr;
    CCScrollViewDirection m_direction = kCCScrollViewDirectionBoth;
    CCSize m_viewSize;
    bool m_bounceable = true;
    bool m_clipToBounds = true;
    bool m_dragging = false;
    bool m_touchMoved = false;
    bool m_tracking = false; // we claimed the current touch
    CCPoint m_touchPoint;
    CCPoint m_scrollDistance;
};

} // namespace cocos2d::extension
