#include "actions/CCAction.h"

#include "base/CCConsole.h"

namespace cocos2d {

CCAction* CCAction::create()
{
    auto* action = new CCAction();
    action->autorelease();
    return action;
}

const char* CCAction::description()
{
    return "<CCAction>";
}

CCObject* CCAction::copyWithZone(CCZone* zone)
{
    CC_UNUSED_PARAM(zone);
    auto* copy = new CCAction();
    copy->m_nTag = m_nTag;
    return copy;
}

bool CCAction::isDone()
{
    return true;
}

void CCAction::startWithTarget(CCNode* target)
{
    m_pOriginalTarget = m_pTarget = target;
}

void CCAction::stop()
{
    m_pTarget = nullptr;
}

void CCAction::step(float dt)
{
    CC_UNUSED_PARAM(dt);
}

void CCAction::update(float time)
{
    CC_UNUSED_PARAM(time);
}

} // namespace cocos2d
