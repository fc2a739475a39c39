#include "actions/CCCallFunc.h"

namespace cocos2d {

CCCallFunc::~CCCallFunc()
{
    CC_SAFE_RELEASE(m_pSelectorTarget);
}

CCCallFunc* CCCallFunc::create(CCObject* selectorTarget, SEL_CallFunc selector)
{
    auto* action = new CCCallFunc();
    action->initWithTarget(selectorTarget);
    action->m_pCallFunc = selector;
    action->autorelease();
    return action;
}

bool CCCallFunc::initWithTarget(CCObject* selectorTarget)
{
    setTargetCallback(selectorTarget);
    return true;
}

void CCCallFunc::setTargetCallback(CCObject* sel)
{
    if (sel == m_pSelectorTarget)
        return;
    CC_SAFE_RETAIN(sel);
    CC_SAFE_RELEASE(m_pSelectorTarget);
    m_pSelectorTarget = sel;
}

void CCCallFunc::execute()
{
    CCObject* target = m_pSelectorTarget;
    const SEL_CallFunc selector = m_pCallFunc;
    if (target && selector)
        (target->*selector)();
}

void CCCallFunc::update(float)
{
    // The callback may stop this action (and drop the last reference to the target).
    retain();
    execute();
    release();
}

CCObject* CCCallFunc::copyWithZone(CCZone*)
{
    auto* copy = new CCCallFunc();
    copy->initWithTarget(m_pSelectorTarget);
    copy->m_pCallFunc = m_pCallFunc;
    return copy;
}

} // namespace cocos2d
