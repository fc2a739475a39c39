#include "actions/CCToggleVisibility.h"

#include "nodes/CCNode.h"

namespace cocos2d {

CCToggleVisibility* CCToggleVisibility::create()
{
    auto* action = new CCToggleVisibility();
    action->autorelease();
    return action;
}

void CCToggleVisibility::update(float)
{
    if (m_pTarget)
        m_pTarget->setVisible(!m_pTarget->isVisible());
}

CCFiniteTimeAction* CCToggleVisibility::reverse()
{
    return CCToggleVisibility::create();
}

CCObject* CCToggleVisibility::copyWithZone(CCZone*)
{
    return new CCToggleVisibility();
}

} // namespace cocos2d
