#include "actions/CCFlipX.h"

#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCFlipX* CCFlipX::create(bool flipX)
{
    auto* action = new CCFlipX();
    action->initWithFlipX(flipX);
    action->autorelease();
    return action;
}

bool CCFlipX::initWithFlipX(bool flipX)
{
    m_bFlipX = flipX;
    return true;
}

void CCFlipX::update(float)
{
    if (auto* flippable = dynamic_cast<CCFlippable*>(m_pTarget))
        flippable->setFlipX(m_bFlipX);
    else if (m_pTarget)
        CCLog("CCFlipX: the target cannot be flipped (not a sprite)");
}

CCFiniteTimeAction* CCFlipX::reverse()
{
    return CCFlipX::create(!m_bFlipX);
}

CCObject* CCFlipX::copyWithZone(CCZone*)
{
    auto* copy = new CCFlipX();
    copy->initWithFlipX(m_bFlipX);
    return copy;
}

} // namespace cocos2d
