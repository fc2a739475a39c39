#include "nodes/CCLayer.h"

#include "base/CCConsole.h"
#include "director/CCDirector.h"
#include "touch/CCKeypadDispatcher.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d {

CCLayer::CCLayer()
{
    m_ignoreAnchorPointForPosition = true;
    setAnchorPoint(CCPoint(0.5f, 0.5f));
}

CCLayer::~CCLayer() = default;

bool CCLayer::init()
{
    setContentSize(CCDirector::sharedDirector()->getWinSize());
    m_touchEnabled = false;
    m_keypadEnabled = false;
    return true;
}

CCLayer* CCLayer::create()
{
    auto* layer = new CCLayer();
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

void CCLayer::registerWithTouchDispatcher()
{
    CCTouchDispatcher* dispatcher = CCDirector::sharedDirector()->getTouchDispatcher();
    if (m_touchMode == kCCTouchesAllAtOnce)
        dispatcher->addStandardDelegate(this, 0);
    else
        dispatcher->addTargetedDelegate(this, m_touchPriority, true);
}

void CCLayer::setTouchEnabled(bool enabled)
{
    if (m_touchEnabled == enabled)
        return;
    m_touchEnabled = enabled;
    if (!m_running)
        return;
    if (enabled)
        registerWithTouchDispatcher();
    else
        CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
}

void CCLayer::setTouchMode(ccTouchesMode mode)
{
    if (m_touchMode == mode)
        return;
    m_touchMode = mode;
    if (m_touchEnabled) {
        setTouchEnabled(false);
        setTouchEnabled(true);
    }
}

void CCLayer::setTouchPriority(int priority)
{
    if (m_touchPriority == priority)
        return;
    m_touchPriority = priority;
    if (m_touchEnabled) {
        setTouchEnabled(false);
        setTouchEnabled(true);
    }
}

void CCLayer::setKeypadEnabled(bool enabled)
{
    if (m_keypadEnabled == enabled)
        return;
    m_keypadEnabled = enabled;
    if (!m_running)
        return;
    CCKeypadDispatcher* dispatcher = CCDirector::sharedDirector()->getKeypadDispatcher();
    if (enabled)
        dispatcher->addDelegate(this);
    else
        dispatcher->removeDelegate(this);
}

void CCLayer::onEnter()
{
    CCDirector* director = CCDirector::sharedDirector();
    if (m_touchEnabled)
        registerWithTouchDispatcher();
    CCNode::onEnter();
    if (m_keypadEnabled)
        director->getKeypadDispatcher()->addDelegate(this);
}

void CCLayer::onExit()
{
    CCDirector* director = CCDirector::sharedDirector();
    if (m_touchEnabled)
        director->getTouchDispatcher()->removeDelegate(this);
    if (m_keypadEnabled)
        director->getKeypadDispatcher()->removeDelegate(this);
    CCNode::onExit();
}

void CCLayer::onEnterTransitionDidFinish()
{
    CCNode::onEnterTransitionDidFinish();
}

bool CCLayer::ccTouchBegan(CCTouch* touch, CCEvent* event)
{
    CC_UNUSED_PARAM(touch);
    CC_UNUSED_PARAM(event);
    CCLog("Layer#ccTouchBegan override me");
    return true;
}

void CCLayer::ccTouchMoved(CCTouch*, CCEvent*) {}
void CCLayer::ccTouchEnded(CCTouch*, CCEvent*) {}
void CCLayer::ccTouchCancelled(CCTouch*, CCEvent*) {}
void CCLayer::ccTouchesBegan(CCSet*, CCEvent*) {}
void CCLayer::ccTouchesMoved(CCSet*, CCEvent*) {}
void CCLayer::ccTouchesEnded(CCSet*, CCEvent*) {}
void CCLayer::ccTouchesCancelled(CCSet*, CCEvent*) {}

} // namespace cocos2d
