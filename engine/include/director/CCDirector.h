// The director: scene stack, main loop and frame clock.
//
// One frame (mainLoop): purge if end() was requested; otherwise, unless stopped: dt = time since
// the previous frame (0 after resume(); never negative), scheduler update (unless paused; actions
// first), the frame hook, the pending scene switch, drawing of the running scene and the
// notification node, buffer swap, and the autorelease pool drain.
//
// Scene changes are never applied inside the call: runWithScene/replaceScene/pushScene/popScene
// mark the next scene, and the switch happens in the next frame after the scheduler update.
//
// Manual clock (tests, headless tools): setManualClock(true) stops reading the wall clock;
// stepFrame(dt) runs exactly one mainLoop with that dt.
#pragma once

#include <functional>
#include <vector>

#include "base/CCArray.h"
#include "base/CCGeometry.h"
#include "base/ccTypes.h"
#include "render/Mat4.h"

namespace cocos2d {

class CCActionManager;
class CCEGLViewProtocol;
class CCKeypadDispatcher;
class CCMouseWheelDispatcher;
class CCNode;
class CCScene;
class CCScheduler;
class CCTouchDispatcher;

typedef enum {
    kCCDirectorProjection2D,
    kCCDirectorProjection3D,
    kCCDirectorProjectionCustom,
    kCCDirectorProjectionDefault = kCCDirectorProjection3D,
} ccDirectorProjection;

class CCDirector : public CCObject {
public:
    static CCDirector* sharedDirector();
    ~CCDirector() override;

    CCScene* getRunningScene() { return m_runningScene; }
    CCScene* getNextScene() { return m_nextScene; }
    bool isSendCleanupToScene() const { return m_sendCleanupToScene; }
    unsigned int getSceneCount() const { return m_scenesStack->count(); }

    double getAnimationInterval() const { return m_animationInterval; }
    virtual void setAnimationInterval(double interval);
    bool isDisplayStats() const { return m_displayStats; }
    void setDisplayStats(bool displayStats) { m_displayStats = displayStats; }
    float getSecondsPerFrame() const { return m_secondsPerFrame; }
    bool isPaused() const { return m_paused; }
    unsigned int getTotalFrames() const { return m_totalFrames; }
    float getDeltaTime() const { return m_deltaTime; }

    CCEGLViewProtocol* getOpenGLView() { return m_openGLView; }
    // The director does not own the view.
    void setOpenGLView(CCEGLViewProtocol* view);

    ccDirectorProjection getProjection() const { return m_projection; }
    void setProjection(ccDirectorProjection projection);
    // Design points to clip space, for the renderer.
    Mat4 getProjectionMatrix() const;
    float getZEye() const;
    void setViewport();
    void setDepthTest(bool) {}
    void setAlphaBlending(bool) {}
    void setClearColor(const ccColor4F& color) { m_clearColor = color; }

    // Notification node: drawn above the running scene every frame; not part of any scene.
    CCNode* getNotificationNode() { return m_notificationNode; }
    void setNotificationNode(CCNode* node);

    CCSize getWinSize() const;
    CCSize getWinSizeInPixels() const;
    CCSize getVisibleSize() const;
    CCPoint getVisibleOrigin() const;
    // UI (y down) <-> GL (y up), in design points.
    CCPoint convertToGL(const CCPoint& uiPoint) const;
    CCPoint convertToUI(const CCPoint& glPoint) const;
    float getContentScaleFactor() const { return 1.0f; }
    void setContentScaleFactor(float) {}

    void runWithScene(CCScene* scene);
    void pushScene(CCScene* scene);
    // With no scene left the director ends.
    void popScene();
    void popToRootScene();
    void replaceScene(CCScene* scene);

    // Purges on the next frame: the running scene exits and is cleaned up, caches are purged, the
    // view is told to end.
    void end();
    bool hasEnded() const { return m_ended; }
    void pause();
    void resume();
    virtual void stopAnimation();
    virtual void startAnimation();
    bool isAnimating() const { return !m_invalid; }
    void drawScene();
    void mainLoop();

    void purgeCachedData();
    // Caches (textures, frames, fonts) register here to be purged with the director.
    void addPurgeListener(std::function<void()> listener);
    void setDefaultValues() {}
    void setGLDefaultValues() {}

    CCScheduler* getScheduler() { return m_scheduler; }
    void setScheduler(CCScheduler* scheduler);
    CCActionManager* getActionManager() { return m_actionManager; }
    void setActionManager(CCActionManager* actionManager);
    CCTouchDispatcher* getTouchDispatcher() { return m_touchDispatcher; }
    CCKeypadDispatcher* getKeypadDispatcher() { return m_keypadDispatcher; }
    CCMouseWheelDispatcher* getMouseWheelDispatcher() { return m_mouseWheelDispatcher; }

    // Runs every frame right after the scheduler update, also while paused (the network pump).
    void setFrameHook(std::function<void(float dt)> hook) { m_frameHook = std::move(hook); }

    void setManualClock(bool manual) { m_manualClock = manual; }
    bool isManualClock() const { return m_manualClock; }
    // One mainLoop with exactly this dt (manual clock; also works with the wall clock off).
    void stepFrame(float dt = 1.0f / 60.0f);

    // Drops every scene (exit + cleanup), all actions, timers, delegates and the frame hook, drains
    // the pool, and leaves the director stopped and ready for runWithScene (tests use it between
    // cases).
    void reset();

protected:
    CCDirector();
    void setNextScene();
    void calculateDeltaTime();
    void purgeDirector();
    void releaseRunningScene(bool exitFirst);

    CCScheduler* m_scheduler = nullptr;
    CCActionManager* m_actionManager = nullptr;
    CCTouchDispatcher* m_touchDispatcher = nullptr;
    CCKeypadDispatcher* m_keypadDispatcher = nullptr;
    CCMouseWheelDispatcher* m_mouseWheelDispatcher = nullptr;
    CCEGLViewProtocol* m_openGLView = nullptr;

    double m_animationInterval = 1.0 / 60;
    double m_oldAnimationInterval = 1.0 / 60;
    bool m_invalid = true; // animation stopped
    bool m_purgeInNextLoop = false;
    bool m_ended = false;
    bool m_displayStats = false;
    bool m_paused = false;
    bool m_nextDeltaTimeZero = false;
    bool m_sendCleanupToScene = false;
    bool m_manualClock = false;
    float m_manualDelta = 1.0f / 60;
    float m_deltaTime = 0;
    float m_secondsPerFrame = 0;
    unsigned int m_totalFrames = 0;
    double m_lastUpdate = -1;

    CCScene* m_runningScene = nullptr;
    CCScene* m_nextScene = nullptr;
    CCArray* m_scenesStack = nullptr;
    CCNode* m_notificationNode = nullptr;
    ccDirectorProjection m_projection = kCCDirectorProjectionDefault;
    CCSize m_winSizeInPoints{960, 640};
    ccColor4F m_clearColor{0, 0, 0, 1};
    std::function<void(float)> m_frameHook;
    std::vector<std::function<void()>> m_purgeListeners;

    friend class CCEGLViewProtocol;
};

} // namespace cocos2d
