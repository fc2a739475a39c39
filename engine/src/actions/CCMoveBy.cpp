#include "actions/CCMoveBy.h"

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCMoveBy* CCMoveBy::create(float duration, const CCPoint& deltaPosition)
{
    auto* action = new CCMoveBy();
    return detail::autoreleased(action, action->initWithDuration(duration, deltaPosition));
}

bool CCMoveBy::initWithDuration(float duration, const CCPoint& deltaPosition)
{
    CCActionInterval::initWithDuration(duration);
    m_positionDelta = deltaPosition;
    return true;
}

CCObject* CCMoveBy::copyWithZone(CCZone*)
{
    auto* copy = new CCMoveBy();
    copy->initWithDuration(m_fDuration, m_positionDelta);
    return copy;
}

void CCMoveBy::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_previousPosition = m_startPosition = target->getPosition();
}

CCActionInterval* CCMoveBy::reverse()
{
    return CCMoveBy::create(m_fDuration, -m_positionDelta);
}

void CCMoveBy::update(float t)
{
    if (!m_pTarget)
        return;
    // Someone else moved the node since our last step: carry our path along with it.
    m_startPosition = m_startPosition + (m_pTarget->getPosition() - m_previousPosition);
    CCPoint newPosition = m_startPosition + m_positionDelta * t;
    m_pTarget->setPosition(newPosition);
    m_previousPosition = newPosition;
}

} // namespace cocos2d
