#include "director/CCDirector.h"

#include <chrono>
#include <cmath>

#include "actions/CCActionManager.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCConsole.h"
#include "director/CCEGLViewProtocol.h"
#include "director/CCScheduler.h"
#include "director/CCTransitionScene.h"
#include "nodes/CCScene.h"
#include "render/Renderer.h"
#include "touch/CCKeypadDispatcher.h"
#include "touch/CCMouseWheelDispatcher.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d {

namespace {
CCDirector* g_director = nullptr;

double nowSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

CCDirector* CCDirector::sharedDirector()
{
    if (!g_director)
        g_director = new CCDirector();
    return g_director;
}

CCDirector::CCDirector()
{
    // Nodes created below look the director up, so it must exist first: g_director is set by
    // sharedDirector() only after this constructor returns, hence no nodes are made here.
    m_scheduler = new CCScheduler();
    m_actionManager = new CCActionManager();
    m_scheduler->scheduleUpdateForTarget(m_actionManager, kCCPrioritySystem, false);
    m_touchDispatcher = new CCTouchDispatcher();
    m_keypadDispatcher = new CCKeypadDispatcher();
    m_mouseWheelDispatcher = new CCMouseWheelDispatcher();
    m_scenesStack = new CCArray();
}

CCDirector::~CCDirector()
{
    CC_SAFE_RELEASE(m_runningScene);
    CC_SAFE_RELEASE(m_notificationNode);
    CC_SAFE_RELEASE(m_scenesStack);
    CC_SAFE_RELEASE(m_mouseWheelDispatcher);
    CC_SAFE_RELEASE(m_keypadDispatcher);
    CC_SAFE_RELEASE(m_touchDispatcher);
    CC_SAFE_RELEASE(m_actionManager);
    CC_SAFE_RELEASE(m_scheduler);
}

void CCDirector::setAnimationInterval(double interval)
{
    m_animationInterval = interval > 0 ? interval : 1.0 / 60;
}

void CCDirector::setOpenGLView(CCEGLViewProtocol* view)
{
    m_openGLView = view;
    if (view)
        m_winSizeInPoints = view->getDesignResolutionSize();
}

void CCDirector::setProjection(ccDirectorProjection projection)
{
    m_projection = projection;
}

float CCDirector::getZEye() const
{
    return m_winSizeInPoints.height / 1.1566f;
}

Mat4 CCDirector::getProjectionMatrix() const
{
    const float w = m_winSizeInPoints.width, h = m_winSizeInPoints.height;
    if (m_projection == kCCDirectorProjection2D) {
        // Orthographic: x 0..w, y 0..h, z -1024..1024.
        Mat4 m;
        m.at(0, 0) = 2.0f / w;
        m.at(1, 1) = 2.0f / h;
        m.at(2, 2) = -2.0f / 2048.0f;
        m.at(0, 3) = -1.0f;
        m.at(1, 3) = -1.0f;
        return m;
    }
    const float zEye = getZEye();
    return Mat4::perspective(60.0f, w / h, 0.1f, zEye * 2) *
           Mat4::lookAt(w / 2, h / 2, zEye, w / 2, h / 2, 0, 0.0f, 1.0f, 0.0f);
}

void CCDirector::setViewport()
{
    if (m_openGLView)
        m_openGLView->setViewPortInPoints(0, 0, m_winSizeInPoints.width, m_winSizeInPoints.height);
}

void CCDirector::setNotificationNode(CCNode* node)
{
    CC_SAFE_RETAIN(node);
    CC_SAFE_RELEASE(m_notificationNode);
    m_notificationNode = node;
}

CCSize CCDirector::getWinSize() const
{
    return m_winSizeInPoints;
}

CCSize CCDirector::getWinSizeInPixels() const
{
    return m_winSizeInPoints;
}

CCSize CCDirector::getVisibleSize() const
{
    return m_openGLView ? m_openGLView->getVisibleSize() : m_winSizeInPoints;
}

CCPoint CCDirector::getVisibleOrigin() const
{
    return m_openGLView ? m_openGLView->getVisibleOrigin() : CCPointZero;
}

CCPoint CCDirector::convertToGL(const CCPoint& uiPoint) const
{
    return CCPoint(uiPoint.x, m_winSizeInPoints.height - uiPoint.y);
}

CCPoint CCDirector::convertToUI(const CCPoint& glPoint) const
{
    return CCPoint(glPoint.x, m_winSizeInPoints.height - glPoint.y);
}

// --- scenes

void CCDirector::runWithScene(CCScene* scene)
{
    if (!scene) {
        CCLog("CCDirector::runWithScene: null scene refused");
        return;
    }
    if (m_runningScene) {
        CCLog("CCDirector::runWithScene: a scene is already running; use replaceScene");
        return;
    }
    pushScene(scene);
    startAnimation();
}

void CCDirector::replaceScene(CCScene* scene)
{
    if (!scene) {
        CCLog("CCDirector::replaceScene: null scene refused");
        return;
    }
    if (!m_runningScene && m_scenesStack->count() == 0) {
        runWithScene(scene);
        return;
    }
    unsigned int index = m_scenesStack->count();
    m_sendCleanupToScene = true;
    if (index == 0)
        m_scenesStack->addObject(scene);
    else
        m_scenesStack->replaceObjectAtIndex(index - 1, scene);
    m_nextScene = scene;
}

void CCDirector::pushScene(CCScene* scene)
{
    if (!scene) {
        CCLog("CCDirector::pushScene: null scene refused");
        return;
    }
    m_sendCleanupToScene = false;
    m_scenesStack->addObject(scene);
    m_nextScene = scene;
}

void CCDirector::popScene()
{
    if (!m_runningScene) {
        CCLog("CCDirector::popScene: no running scene");
        return;
    }
    if (m_scenesStack->count() > 0)
        m_scenesStack->removeLastObject();
    unsigned int count = m_scenesStack->count();
    if (count == 0) {
        end();
        return;
    }
    m_sendCleanupToScene = true;
    m_nextScene = static_cast<CCScene*>(m_scenesStack->objectAtIndex(count - 1));
}

void CCDirector::popToRootScene()
{
    if (!m_runningScene)
        return;
    unsigned int count = m_scenesStack->count();
    if (count <= 1) {
        popScene();
        return;
    }
    while (m_scenesStack->count() > 1) {
        auto* top = static_cast<CCScene*>(m_scenesStack->lastObject());
        if (top != m_runningScene && top->isRunning()) {
            top->onExitTransitionDidStart();
            top->onExit();
        }
        top->cleanup();
        m_scenesStack->removeLastObject();
    }
    m_nextScene = static_cast<CCScene*>(m_scenesStack->lastObject());
    m_sendCleanupToScene = true;
}

void CCDirector::setNextScene()
{
    // Another scene replaces a transition before it finished (a scene switch during the fade):
    // end the transition now so its scenes exit properly and its pending switch cannot fire later,
    // then switch from its incoming scene as if the fade had completed.
    auto* unfinished = dynamic_cast<CCTransitionScene*>(m_runningScene);
    if (unfinished && m_nextScene != unfinished->getInScene()) {
        unfinished->retain();
        unfinished->abandon();
        unfinished->onExitTransitionDidStart();
        unfinished->onExit();
        unfinished->cleanup();
        CCScene* in = unfinished->getInScene();
        in->retain();
        m_runningScene->release();
        m_runningScene = in;
        unfinished->release();
    }

    const bool runningIsTransition = dynamic_cast<CCTransitionScene*>(m_runningScene) != nullptr;
    const bool newIsTransition = dynamic_cast<CCTransitionScene*>(m_nextScene) != nullptr;

    // A transition takes over the outgoing scene's exit; otherwise the old scene leaves now.
    if (!newIsTransition && m_runningScene) {
        m_runningScene->onExitTransitionDidStart();
        m_runningScene->onExit();
        if (m_sendCleanupToScene)
            m_runningScene->cleanup();
    }
    CC_SAFE_RELEASE(m_runningScene);
    m_runningScene = m_nextScene;
    m_nextScene = nullptr;
    if (!m_runningScene)
        return;
    m_runningScene->retain();
    // Coming out of a transition, the incoming scene has already entered.
    if (!runningIsTransition) {
        m_runningScene->onEnter();
        m_runningScene->onEnterTransitionDidFinish();
    }
}

// --- the loop

void CCDirector::stopAnimation()
{
    m_invalid = true;
}

void CCDirector::startAnimation()
{
    m_lastUpdate = nowSeconds();
    m_invalid = false;
    m_ended = false;
}

void CCDirector::pause()
{
    if (m_paused)
        return;
    m_oldAnimationInterval = m_animationInterval;
    setAnimationInterval(1.0 / 4.0);
    m_paused = true;
}

void CCDirector::resume()
{
    if (!m_paused)
        return;
    setAnimationInterval(m_oldAnimationInterval);
    m_lastUpdate = nowSeconds();
    m_paused = false;
    m_deltaTime = 0;
    m_nextDeltaTimeZero = true;
}

void CCDirector::calculateDeltaTime()
{
    if (m_manualClock) {
        m_deltaTime = m_manualDelta;
    } else {
        const double now = nowSeconds();
        m_deltaTime = m_lastUpdate < 0 ? 0.0f : static_cast<float>(now - m_lastUpdate);
        m_lastUpdate = now;
    }
    if (m_nextDeltaTimeZero) {
        m_deltaTime = 0;
        m_nextDeltaTimeZero = false;
    }
    if (!(m_deltaTime > 0)) // also catches NaN
        m_deltaTime = 0;
}

void CCDirector::drawScene()
{
    calculateDeltaTime();
    if (!m_paused)
        m_scheduler->update(m_deltaTime);
    if (m_frameHook) {
        // The hook may replace itself; call a copy.
        auto hook = m_frameHook;
        hook(m_deltaTime);
    }

    Renderer* renderer = Renderer::current();
    int viewportWidth = static_cast<int>(m_winSizeInPoints.width);
    int viewportHeight = static_cast<int>(m_winSizeInPoints.height);
    if (m_openGLView) {
        viewportWidth = static_cast<int>(m_openGLView->getFrameSize().width);
        viewportHeight = static_cast<int>(m_openGLView->getFrameSize().height);
    }
    renderer->resetMatrixStack();
    renderer->beginFrame(getProjectionMatrix(), viewportWidth, viewportHeight, m_clearColor);

    if (m_nextScene)
        setNextScene();
    if (m_runningScene)
        m_runningScene->visit();
    if (m_notificationNode)
        m_notificationNode->visit();

    renderer->endFrame();
    ++m_totalFrames;
    if (m_openGLView)
        m_openGLView->swapBuffers();
    m_secondsPerFrame = m_deltaTime;
}

void CCDirector::mainLoop()
{
    if (m_purgeInNextLoop) {
        m_purgeInNextLoop = false;
        purgeDirector();
        return;
    }
    if (m_invalid)
        return;
    drawScene();
    CCPoolManager::sharedPoolManager()->pop();
}

void CCDirector::stepFrame(float dt)
{
    m_manualDelta = dt;
    const bool manual = m_manualClock;
    m_manualClock = true;
    mainLoop();
    m_manualClock = manual;
}

void CCDirector::end()
{
    m_purgeInNextLoop = true;
}

void CCDirector::releaseRunningScene(bool exitFirst)
{
    CCScene* running = m_runningScene;
    m_runningScene = nullptr;
    m_nextScene = nullptr;
    if (running) {
        if (exitFirst && running->isRunning()) {
            running->onExitTransitionDidStart();
            running->onExit();
        }
        running->cleanup();
    }
    // Scenes pushed below the running one are cleaned too (they are paused, not running).
    std::vector<CCScene*> stack;
    for (CCObject* object : *m_scenesStack)
        stack.push_back(static_cast<CCScene*>(object));
    for (CCScene* scene : stack)
        if (scene != running)
            scene->cleanup();
    m_scenesStack->removeAllObjects();
    CC_SAFE_RELEASE(running);
}

void CCDirector::purgeDirector()
{
    m_touchDispatcher->removeAllDelegates();
    releaseRunningScene(true);
    stopAnimation();
    purgeCachedData();
    CCPoolManager::sharedPoolManager()->pop();
    m_ended = true;
    if (m_openGLView)
        m_openGLView->end();
}

void CCDirector::purgeCachedData()
{
    const auto listeners = m_purgeListeners;
    for (const auto& listener : listeners)
        listener();
}

void CCDirector::addPurgeListener(std::function<void()> listener)
{
    if (listener)
        m_purgeListeners.push_back(std::move(listener));
}

void CCDirector::setScheduler(CCScheduler* scheduler)
{
    if (scheduler == m_scheduler || !scheduler)
        return;
    scheduler->retain();
    m_scheduler->release();
    m_scheduler = scheduler;
}

void CCDirector::setActionManager(CCActionManager* actionManager)
{
    if (actionManager == m_actionManager || !actionManager)
        return;
    actionManager->retain();
    m_actionManager->release();
    m_actionManager = actionManager;
}

void CCDirector::reset()
{
    m_touchDispatcher->removeAllDelegates();
    m_keypadDispatcher->removeAllDelegates();
    m_mouseWheelDispatcher->removeAllDelegates();
    m_touchDispatcher->setDispatchEvents(true);
    releaseRunningScene(true);
    CC_SAFE_RELEASE_NULL(m_notificationNode);
    m_actionManager->removeAllActions();
    m_scheduler->unscheduleAllWithMinPriority(kCCPriorityNonSystemMin);
    m_frameHook = nullptr;
    CCPoolManager::sharedPoolManager()->pop();
    m_invalid = true;
    m_purgeInNextLoop = false;
    m_ended = false;
    m_paused = false;
    m_nextDeltaTimeZero = false;
    m_sendCleanupToScene = false;
    m_animationInterval = m_oldAnimationInterval = 1.0 / 60;
    m_deltaTime = 0;
    m_totalFrames = 0;
    m_lastUpdate = -1;
    m_scheduler->setTimeScale(1.0f);
    m_projection = kCCDirectorProjectionDefault;
}

} // namespace cocos2d
