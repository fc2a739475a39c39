#include "touch/CCTouchHandler.h"

namespace cocos2d {

namespace {
CCObject* asObject(CCTouchDelegate* delegate)
{
    return dynamic_cast<CCObject*>(delegate);
}
} // namespace

CCTouchHandler::~CCTouchHandler()
{
    if (CCObject* object = asObject(m_delegate))
        object->release();
}

bool CCTouchHandler::initWithDelegate(CCTouchDelegate* delegate, int priority)
{
    m_delegate = delegate;
    if (CCObject* object = asObject(delegate))
        object->retain();
    m_priority = priority;
    return true;
}

CCTouchHandler* CCTouchHandler::handlerWithDelegate(CCTouchDelegate* delegate, int priority)
{
    auto* handler = new CCTouchHandler();
    handler->initWithDelegate(delegate, priority);
    handler->autorelease();
    return handler;
}

CCStandardTouchHandler* CCStandardTouchHandler::handlerWithDelegate(CCTouchDelegate* delegate, int priority)
{
    auto* handler = new CCStandardTouchHandler();
    handler->initWithDelegate(delegate, priority);
    handler->autorelease();
    return handler;
}

CCTargetedTouchHandler* CCTargetedTouchHandler::handlerWithDelegate(CCTouchDelegate* delegate, int priority,
                                                                    bool swallow)
{
    auto* handler = new CCTargetedTouchHandler();
    handler->initWithDelegate(delegate, priority);
    handler->m_swallowsTouches = swallow;
    handler->m_claimedTouches = new CCSet();
    handler->autorelease();
    return handler;
}

CCTargetedTouchHandler::~CCTargetedTouchHandler()
{
    CC_SAFE_RELEASE(m_claimedTouches);
}

} // namespace cocos2d
