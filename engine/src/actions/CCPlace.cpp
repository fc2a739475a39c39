#include "actions/CCPlace.h"

#include "nodes/CCNode.h"

namespace cocos2d {

CCPlace* CCPlace::create(const CCPoint& pos)
{
    auto* action = new CCPlace();
    action->initWithPosition(pos);
    action->autorelease();
    return action;
}

bool CCPlace::initWithPosition(const CCPoint& pos)
{
    m_tPosition = pos;
    return true;
}

void CCPlace::update(float)
{
    if (m_pTarget)
        m_pTarget->setPosition(m_tPosition);
}

CCObject* CCPlace::copyWithZone(CCZone*)
{
    auto* copy = new CCPlace();
    copy->initWithPosition(m_tPosition);
    return copy;
}

} // namespace cocos2d
