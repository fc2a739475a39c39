#include "actions/CCFlipY.h"

#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCFlipY* CCFlipY::create(bool flipY)
{
    auto* action = new CCFlipY();
    action->initWithFlipY(flipY);
    action->autorelease();
    return action;
}

bool CCFlipY::initWithFlipY(bool flipY)
{
    m_bFlipY = flipY;
    return true;
}

void CCFlipY::update(float)
{
    if (auto* flippable = dynamic_cast<CCFlippable*>(m_pTarget))
        flippable->setFlipY(m_bFlipY);
    else if (m_pTarget)
        CCLog("CCFlipY: the target cannot be flipped (not a sprite)");
}

CCFiniteTimeAction* CCFlipY::reverse()
{
    return CCFlipY::create(!m_bFlipY);
}

CCObject* CCFlipY::copyWithZone(CCZone*)
{
    auto* copy = new CCFlipY();
    copy->initWithFlipY(m_bFlipY);
    return copy;
}

} // namespace cocos2d
