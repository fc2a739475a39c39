#include "actions/CCJumpTo.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCJumpTo* CCJumpTo::create(float duration, const CCPoint& position, float height, int jumps)
{
    auto* action = new CCJumpTo();
    const bool ok = action->initWithDuration(duration, position, height, static_cast<unsigned int>(jumps < 0 ? 0 : jumps));
    if (ok)
        action->m_endPosition = position;
    return detail::autoreleased(action, ok);
}

CCObject* CCJumpTo::copyWithZone(CCZone*)
{
    auto* copy = new CCJumpTo();
    copy->initWithDuration(m_fDuration, m_endPosition, m_height, m_nJumps);
    copy->m_endPosition = m_endPosition;
    return copy;
}

void CCJumpTo::startWithTarget(CCNode* target)
{
    CCJumpBy::startWithTarget(target);
    m_delta = m_endPosition - m_startPosition;
}

CCActionInterval* CCJumpTo::reverse()
{
    CCLog("CCJumpTo: reverse is not supported");
    return nullptr;
}

} // namespace cocos2d
