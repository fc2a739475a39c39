#include "actions/CCCallFuncND.h"

namespace cocos2d {

CCCallFuncND* CCCallFuncND::create(CCObject* selectorTarget, SEL_CallFuncND selector, void* d)
{
    auto* action = new CCCallFuncND();
    action->initWithTarget(selectorTarget, selector, d);
    action->autorelease();
    return action;
}

bool CCCallFuncND::initWithTarget(CCObject* selectorTarget, SEL_CallFuncND selector, void* d)
{
    CCCallFunc::initWithTarget(selectorTarget);
    m_pCallFuncND = selector;
    m_pData = d;
    return true;
}

void CCCallFuncND::execute()
{
    CCObject* target = m_pSelectorTarget;
    const SEL_CallFuncND selector = m_pCallFuncND;
    if (target && selector)
        (target->*selector)(m_pTarget, m_pData);
}

CCObject* CCCallFuncND::copyWithZone(CCZone*)
{
    auto* copy = new CCCallFuncND();
    copy->initWithTarget(m_pSelectorTarget, m_pCallFuncND, m_pData);
    return copy;
}

} // namespace cocos2d
