#include "actions/CCRemoveSelf.h"

#include "nodes/CCNode.h"

namespace cocos2d {

CCRemoveSelf* CCRemoveSelf::create(bool isNeedCleanUp)
{
    auto* action = new CCRemoveSelf();
    action->init(isNeedCleanUp);
    action->autorelease();
    return action;
}

bool CCRemoveSelf::init(bool isNeedCleanUp)
{
    m_bIsNeedCleanUp = isNeedCleanUp;
    return true;
}

void CCRemoveSelf::update(float)
{
    // The action manager holds the node while this runs, so removal cannot free it under us.
    if (m_pTarget)
        m_pTarget->removeFromParentAndCleanup(m_bIsNeedCleanUp);
}

CCFiniteTimeAction* CCRemoveSelf::reverse()
{
    return CCRemoveSelf::create(m_bIsNeedCleanUp);
}

CCObject* CCRemoveSelf::copyWithZone(CCZone*)
{
    auto* copy = new CCRemoveSelf();
    copy->init(m_bIsNeedCleanUp);
    return copy;
}

} // namespace cocos2d
