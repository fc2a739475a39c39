#include "actions/CCHide.h"

#include "actions/CCShow.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCHide* CCHide::create()
{
    auto* action = new CCHide();
    action->autorelease();
    return action;
}

void CCHide::update(float)
{
    if (m_pTarget)
        m_pTarget->setVisible(false);
}

CCFiniteTimeAction* CCHide::reverse()
{
    return CCShow::create();
}

CCObject* CCHide::copyWithZone(CCZone*)
{
    return new CCHide();
}

} // namespace cocos2d
