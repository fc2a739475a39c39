#include "director/CCTransitionScene.h"

#include "base/CCConsole.h"
#include "director/CCDirector.h"
#include "nodes/CCCamera.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d {

CCTransitionScene::~CCTransitionScene()
{
    CC_SAFE_RELEASE(m_pInScene);
    CC_SAFE_RELEASE(m_pOutScene);
}

CCTransitionScene* CCTransitionScene::create(float t, CCScene* scene)
{
    auto* transition = new CCTransitionScene();
    if (transition->initWithDuration(t, scene)) {
        transition->autorelease();
        return transition;
    }
    delete transition;
    return nullptr;
}

bool CCTransitionScene::initWithDuration(float t, CCScene* scene)
{
    if (!scene) {
        CCLog("CCTransitionScene: null incoming scene refused");
        return false;
    }
    if (!CCScene::init())
        return false;
    m_fDuration = t;
    m_pInScene = scene;
    m_pInScene->retain();
    m_pOutScene = CCDirector::sharedDirector()->getRunningScene();
    // Started while another transition runs: we leave from where that one is going.
    if (auto* running = dynamic_cast<CCTransitionScene*>(m_pOutScene))
        m_pOutScene = running->getInScene();
    if (!m_pOutScene) {
        // Nothing to leave: an empty scene stands in so both halves have something to draw.
        m_pOutScene = CCScene::create();
    }
    m_pOutScene->retain();
    if (m_pInScene == m_pOutScene) {
        CCLog("CCTransitionScene: incoming scene must be different from the outgoing scene");
        return false;
    }
    sceneOrder();
    return true;
}

void CCTransitionScene::draw()
{
    CCScene::draw();
    if (m_bIsInSceneOnTop) {
        m_pOutScene->visit();
        m_pInScene->visit();
    } else {
        m_pInScene->visit();
        m_pOutScene->visit();
    }
}

void CCTransitionScene::finish()
{
    for (CCScene* scene : {m_pInScene, m_pOutScene}) {
        scene->setVisible(true);
        scene->setPosition(CCPoint(0, 0));
        scene->setScale(1.0f);
        scene->setRotation(0.0f);
        if (scene->hasCamera())
            scene->getCamera()->restore();
    }
    m_pOutScene->setVisible(false);
    schedule(schedule_selector(CCTransitionScene::setNewScene), 0);
}

void CCTransitionScene::abandon()
{
    CCScene::cleanup(); // own actions, timers and the colour layer's fade; not the scenes
    for (CCScene* scene : {m_pInScene, m_pOutScene}) {
        scene->setVisible(true);
        scene->setPosition(CCPoint(0, 0));
        scene->setScale(1.0f);
        scene->setRotation(0.0f);
        if (scene->hasCamera())
            scene->getCamera()->restore();
    }
    m_bIsSendCleanupToScene = CCDirector::sharedDirector()->isSendCleanupToScene();
}

void CCTransitionScene::setNewScene(float dt)
{
    CC_UNUSED_PARAM(dt);
    unschedule(schedule_selector(CCTransitionScene::setNewScene));
    CCDirector* director = CCDirector::sharedDirector();
    // Another switch was asked for after the fade ended but before this moment (the switch waits
    // for the next frame). That one is newer and wins: the director abandons us and leaves from our
    // incoming scene. Replacing it here would drop the newer scene while its caller still counts on
    // it, and keep a screen the game has already left.
    CCScene* pending = director->getNextScene();
    if (pending && pending != this)
        return;
    // Whether the outgoing scene is cleaned up follows what the director was told last.
    m_bIsSendCleanupToScene = director->isSendCleanupToScene();
    director->replaceScene(m_pInScene);
    m_pOutScene->setVisible(true);
}

void CCTransitionScene::hideOutShowIn()
{
    m_pInScene->setVisible(true);
    m_pOutScene->setVisible(false);
}

void CCTransitionScene::onEnter()
{
    CCScene::onEnter();
    CCDirector::sharedDirector()->getTouchDispatcher()->setDispatchEvents(false);
    m_pOutScene->onExitTransitionDidStart();
    m_pInScene->onEnter();
}

void CCTransitionScene::onExit()
{
    CCScene::onExit();
    CCDirector::sharedDirector()->getTouchDispatcher()->setDispatchEvents(true);
    m_pOutScene->onExit();
    m_pInScene->onEnterTransitionDidFinish();
}

void CCTransitionScene::cleanup()
{
    CCScene::cleanup();
    if (m_bIsSendCleanupToScene)
        m_pOutScene->cleanup();
}

} // namespace cocos2d
