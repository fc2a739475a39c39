// The scene-graph node of 2.2: children ordered by z then arrival, lifecycle callbacks, transforms,
// and the node's share of the scheduler and the action manager.
//
// Ownership: a parent retains its children; actions and timers are held by the action manager and
// the scheduler (which retain the node), so a node with pending actions or timers outlives its
// removal from the tree until cleanup() or its actions end.
#pragma once

#include <string>

#include "base/CCAffineTransform.h"
#include "base/CCArray.h"
#include "base/CCGeometry.h"
#include "base/CCObject.h"
#include "base/ccTypes.h"
#include "render/Mat4.h"

namespace cocos2d {

class CCAction;
class CCActionManager;
class CCCamera;
class CCScheduler;
class CCTouch;

enum { kCCNodeTagInvalid = -1 };
enum { kCCNodeOnEnter, kCCNodeOnExit, kCCNodeOnEnterTransitionDidFinish, kCCNodeOnExitTransitionDidStart, kCCNodeOnCleanup };

class CCNode : public CCObject {
public:
    CCNode();
    ~CCNode() override;
    virtual bool init();
    static CCNode* create();
    const char* description();

    // --- attributes
    virtual void setZOrder(int zOrder);
    virtual void _setZOrder(int z) { m_zOrder = z; }
    virtual int getZOrder() const { return m_zOrder; }
    virtual void setVertexZ(float vertexZ) { m_vertexZ = vertexZ; }
    virtual float getVertexZ() const { return m_vertexZ; }

    virtual void setScaleX(float scaleX);
    virtual float getScaleX() const { return m_scaleX; }
    virtual void setScaleY(float scaleY);
    virtual float getScaleY() const { return m_scaleY; }
    virtual void setScale(float scale);
    virtual void setScale(float scaleX, float scaleY);
    // Asserts (logs) when x and y differ; returns x.
    virtual float getScale() const;

    virtual void setPosition(const CCPoint& position);
    virtual const CCPoint& getPosition() const { return m_position; }
    virtual void setPosition(float x, float y);
    virtual void getPosition(float* x, float* y) const;
    virtual void setPositionX(float x);
    virtual float getPositionX() const { return m_position.x; }
    virtual void setPositionY(float y);
    virtual float getPositionY() const { return m_position.y; }

    virtual void setSkewX(float skewX);
    virtual float getSkewX() const { return m_skewX; }
    virtual void setSkewY(float skewY);
    virtual float getSkewY() const { return m_skewY; }

    virtual void setAnchorPoint(const CCPoint& anchorPoint);
    virtual const CCPoint& getAnchorPoint() const { return m_anchorPoint; }
    virtual const CCPoint& getAnchorPointInPoints() const { return m_anchorPointInPoints; }
    virtual void setContentSize(const CCSize& contentSize);
    virtual const CCSize& getContentSize() const { return m_contentSize; }

    virtual void setVisible(bool visible) { m_visible = visible; }
    virtual bool isVisible() const { return m_visible; }

    // Degrees, clockwise.
    virtual void setRotation(float rotation);
    virtual float getRotation() const;
    virtual void setRotationX(float rotationX);
    virtual float getRotationX() const { return m_rotationX; }
    virtual void setRotationY(float rotationY);
    virtual float getRotationY() const { return m_rotationY; }

    virtual void setOrderOfArrival(unsigned int orderOfArrival) { m_orderOfArrival = orderOfArrival; }
    virtual unsigned int getOrderOfArrival() const { return m_orderOfArrival; }

    virtual void ignoreAnchorPointForPosition(bool ignore);
    virtual bool isIgnoreAnchorPointForPosition() const { return m_ignoreAnchorPointForPosition; }

    // --- children
    // Asserts the child has no parent. Keeps the child's own z and tag in the short forms.
    virtual void addChild(CCNode* child);
    virtual void addChild(CCNode* child, int zOrder);
    virtual void addChild(CCNode* child, int zOrder, int tag);
    // First child (in the current array order) with the tag, or null.
    CCNode* getChildByTag(int tag);
    virtual CCArray* getChildren() { return m_children; }
    unsigned int getChildrenCount() const;
    virtual void setParent(CCNode* parent) { m_parent = parent; }
    virtual CCNode* getParent() { return m_parent; }
    const CCNode* getParent() const { return m_parent; }

    virtual void removeFromParent();
    virtual void removeFromParentAndCleanup(bool cleanup);
    virtual void removeChild(CCNode* child);
    virtual void removeChild(CCNode* child, bool cleanup);
    virtual void removeChildByTag(int tag);
    virtual void removeChildByTag(int tag, bool cleanup);
    virtual void removeAllChildren();
    virtual void removeAllChildrenWithCleanup(bool cleanup);
    // New z and a fresh arrival number: draws above siblings of the same z.
    virtual void reorderChild(CCNode* child, int zOrder);
    // Sorts by z, then arrival, if anything changed since the last sort.
    virtual void sortAllChildren();

    // --- misc
    virtual int getTag() const { return m_tag; }
    virtual void setTag(int tag) { m_tag = tag; }
    virtual void* getUserData() { return m_userData; }
    virtual void setUserData(void* userData) { m_userData = userData; }
    virtual CCObject* getUserObject() { return m_userObject; }
    // Retained.
    virtual void setUserObject(CCObject* userObject);
    // Created on first use.
    virtual CCCamera* getCamera();
    bool hasCamera() const { return m_camera != nullptr; }
    virtual bool isRunning() const { return m_running; }

    // Text shown by this node, for test dumps; labels and text fields override it.
    virtual std::string debugText() const { return std::string(); }

    // --- lifecycle
    virtual void onEnter();
    virtual void onEnterTransitionDidFinish();
    virtual void onExit();
    virtual void onExitTransitionDidStart();
    // Stops actions and timers of the whole subtree.
    virtual void cleanup();

    // Draws this node alone; top() of Renderer::current() is its node-to-world matrix. Nothing here.
    virtual void draw() {}
    // Pushes the transform, draws children with z < 0, itself, then the rest.
    virtual void visit();
    // The rectangle (0,0,content size) under nodeToParentTransform, axis-aligned, parent space.
    CCRect boundingBox();

    // --- actions
    virtual void setActionManager(CCActionManager* actionManager);
    virtual CCActionManager* getActionManager() { return m_actionManager; }
    // Starts the action now (start values captured now); paused until onEnter if not running.
    CCAction* runAction(CCAction* action);
    void stopAllActions();
    void stopAction(CCAction* action);
    void stopActionByTag(int tag);
    CCAction* getActionByTag(int tag);
    unsigned int numberOfRunningActions();

    // --- scheduler
    virtual void setScheduler(CCScheduler* scheduler);
    virtual CCScheduler* getScheduler() { return m_scheduler; }
    bool isScheduled(SEL_SCHEDULE selector);
    void scheduleUpdate();
    void scheduleUpdateWithPriority(int priority);
    void unscheduleUpdate();
    void schedule(SEL_SCHEDULE selector, float interval, unsigned int repeat, float delay);
    void schedule(SEL_SCHEDULE selector, float interval);
    void scheduleOnce(SEL_SCHEDULE selector, float delay);
    void schedule(SEL_SCHEDULE selector);
    void unschedule(SEL_SCHEDULE selector);
    void unscheduleAllSelectors();
    void resumeSchedulerAndActions();
    void pauseSchedulerAndActions();

    // --- transforms
    virtual CCAffineTransform nodeToParentTransform();
    virtual CCAffineTransform parentToNodeTransform();
    virtual CCAffineTransform nodeToWorldTransform();
    virtual CCAffineTransform worldToNodeTransform();
    // nodeToParentTransform plus vertex z and the node's camera: what visit() pushes.
    virtual Mat4 nodeToParentMatrix();
    CCPoint convertToNodeSpace(const CCPoint& worldPoint);
    CCPoint convertToWorldSpace(const CCPoint& nodePoint);
    CCPoint convertToNodeSpaceAR(const CCPoint& worldPoint);
    CCPoint convertToWorldSpaceAR(const CCPoint& nodePoint);
    CCPoint convertTouchToNodeSpace(CCTouch* touch);
    CCPoint convertTouchToNodeSpaceAR(CCTouch* touch);

protected:
    // Called whenever position, scale, rotation, skew, anchor or size change.
    virtual void markTransformDirty() { m_transformDirty = m_inverseDirty = true; }
    void detachChild(CCNode* child, bool cleanup);
    void insertChild(CCNode* child, int z);

    float m_rotationX = 0;
    float m_rotationY = 0;
    float m_scaleX = 1;
    float m_scaleY = 1;
    float m_vertexZ = 0;
    CCPoint m_position;
    float m_skewX = 0;
    float m_skewY = 0;
    CCPoint m_anchorPointInPoints;
    CCPoint m_anchorPoint;
    CCSize m_contentSize;

    CCAffineTransform m_transform;
    CCAffineTransform m_inverse;
    bool m_transformDirty = true;
    bool m_inverseDirty = true;

    CCCamera* m_camera = nullptr;
    int m_zOrder = 0;
    CCArray* m_children = nullptr;
    CCNode* m_parent = nullptr;
    int m_tag = kCCNodeTagInvalid;
    void* m_userData = nullptr;
    CCObject* m_userObject = nullptr;
    CCScheduler* m_scheduler = nullptr;
    CCActionManager* m_actionManager = nullptr;

    bool m_running = false;
    bool m_visible = true;
    bool m_ignoreAnchorPointForPosition = false;
    bool m_reorderChildDirty = false;
    unsigned int m_orderOfArrival = 0;
};

} // namespace cocos2d
