#include "actions/CCJumpBy.h"

#include <cmath>

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCJumpBy* CCJumpBy::create(float duration, const CCPoint& position, float height, unsigned int jumps)
{
    auto* action = new CCJumpBy();
    return detail::autoreleased(action, action->initWithDuration(duration, position, height, jumps));
}

bool CCJumpBy::initWithDuration(float duration, const CCPoint& position, float height, unsigned int jumps)
{
    CCActionInterval::initWithDuration(duration);
    m_delta = position;
    m_height = height;
    m_nJumps = jumps;
    return true;
}

CCObject* CCJumpBy::copyWithZone(CCZone*)
{
    auto* copy = new CCJumpBy();
    copy->initWithDuration(m_fDuration, m_delta, m_height, m_nJumps);
    return copy;
}

void CCJumpBy::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_previousPos = m_startPosition = target->getPosition();
}

void CCJumpBy::update(float t)
{
    if (!m_pTarget)
        return;
    const float frac = std::fmod(t * static_cast<float>(m_nJumps), 1.0f);
    const float y = m_height * 4 * frac * (1 - frac) + m_delta.y * t;
    const float x = m_delta.x * t;
    m_startPosition = m_startPosition + (m_pTarget->getPosition() - m_previousPos);
    CCPoint newPosition = m_startPosition + CCPoint(x, y);
    m_pTarget->setPosition(newPosition);
    m_previousPos = newPosition;
}

CCActionInterval* CCJumpBy::reverse()
{
    return CCJumpBy::create(m_fDuration, -m_delta, m_height, m_nJumps);
}

} // namespace cocos2d
