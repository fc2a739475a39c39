#include "actions/CCActionEase.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"

namespace cocos2d {

CCActionEase::~CCActionEase()
{
    CC_SAFE_RELEASE(m_pInner);
}

CCActionEase* CCActionEase::create(CCActionInterval* action)
{
    auto* ease = new CCActionEase();
    return detail::autoreleased(ease, ease->initWithAction(action));
}

bool CCActionEase::initWithAction(CCActionInterval* action)
{
    if (!action) {
        CCLog("CCActionEase: null action refused");
        return false;
    }
    CCActionInterval::initWithDuration(action->getDuration());
    action->retain();
    CC_SAFE_RELEASE(m_pInner);
    m_pInner = action;
    return true;
}

CCObject* CCActionEase::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCActionEase();
    copy->initWithAction(inner);
    inner->release();
    return copy;
}

void CCActionEase::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_pInner->startWithTarget(target);
}

void CCActionEase::stop()
{
    m_pInner->stop();
    CCActionInterval::stop();
}

void CCActionEase::update(float time)
{
    m_pInner->update(time);
}

CCActionInterval* CCActionEase::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCActionEase::create(inner) : nullptr;
}

} // namespace cocos2d
