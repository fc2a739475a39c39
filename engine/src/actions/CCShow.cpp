#include "actions/CCShow.h"

#include "actions/CCHide.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCShow* CCShow::create()
{
    auto* action = new CCShow();
    action->autorelease();
    return action;
}

void CCShow::update(float)
{
    if (m_pTarget)
        m_pTarget->setVisible(true);
}

CCFiniteTimeAction* CCShow::reverse()
{
    return CCHide::create();
}

CCObject* CCShow::copyWithZone(CCZone*)
{
    return new CCShow();
}

} // namespace cocos2d
