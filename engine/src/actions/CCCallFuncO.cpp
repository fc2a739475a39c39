#include "actions/CCCallFuncO.h"

namespace cocos2d {

CCCallFuncO::~CCCallFuncO()
{
    CC_SAFE_RELEASE(m_pObject);
}

CCCallFuncO* CCCallFuncO::create(CCObject* selectorTarget, SEL_CallFuncO selector, CCObject* object)
{
    auto* action = new CCCallFuncO();
    action->initWithTarget(selectorTarget, selector, object);
    action->autorelease();
    return action;
}

bool CCCallFuncO::initWithTarget(CCObject* selectorTarget, SEL_CallFuncO selector, CCObject* object)
{
    CCCallFunc::initWithTarget(selectorTarget);
    m_pCallFuncO = selector;
    setObject(object);
    return true;
}

void CCCallFuncO::setObject(CCObject* obj)
{
    if (obj == m_pObject)
        return;
    CC_SAFE_RETAIN(obj);
    CC_SAFE_RELEASE(m_pObject);
    m_pObject = obj;
}

void CCCallFuncO::execute()
{
    CCObject* target = m_pSelectorTarget;
    const SEL_CallFuncO selector = m_pCallFuncO;
    if (target && selector)
        (target->*selector)(m_pObject);
}

CCObject* CCCallFuncO::copyWithZone(CCZone*)
{
    auto* copy = new CCCallFuncO();
    copy->initWithTarget(m_pSelectorTarget, m_pCallFuncO, m_pObject);
    return copy;
}

} // namespace cocos2d
