#include "actions/CCCallFuncN.h"

namespace cocos2d {

CCCallFuncN* CCCallFuncN::create(CCObject* selectorTarget, SEL_CallFuncN selector)
{
    auto* action = new CCCallFuncN();
    action->initWithTarget(selectorTarget, selector);
    action->autorelease();
    return action;
}

bool CCCallFuncN::initWithTarget(CCObject* selectorTarget, SEL_CallFuncN selector)
{
    CCCallFunc::initWithTarget(selectorTarget);
    m_pCallFuncN = selector;
    return true;
}

void CCCallFuncN::execute()
{
    CCObject* target = m_pSelectorTarget;
    const SEL_CallFuncN selector = m_pCallFuncN;
    if (target && selector)
        (target->*selector)(m_pTarget);
}

CCObject* CCCallFuncN::copyWithZone(CCZone*)
{
    auto* copy = new CCCallFuncN();
    copy->initWithTarget(m_pSelectorTarget, m_pCallFuncN);
    return copy;
}

} // namespace cocos2d
