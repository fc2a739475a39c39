#include "actions/CCMoveTo.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCMoveTo* CCMoveTo::create(float duration, const CCPoint& position)
{
    auto* action = new CCMoveTo();
    return detail::autoreleased(action, action->initWithDuration(duration, position));
}

bool CCMoveTo::initWithDuration(float duration, const CCPoint& position)
{
    CCActionInterval::initWithDuration(duration);
    m_endPosition = position;
    return true;
}

CCObject* CCMoveTo::copyWithZone(CCZone*)
{
    auto* copy = new CCMoveTo();
    copy->initWithDuration(m_fDuration, m_endPosition);
    return copy;
}

void CCMoveTo::startWithTarget(CCNode* target)
{
    CCMoveBy::startWithTarget(target);
    m_positionDelta = m_endPosition - target->getPosition();
}

CCActionInterval* CCMoveTo::reverse()
{
    CCLog("CCMoveTo: reverse is not supported");
    return nullptr;
}

} // namespace cocos2d
