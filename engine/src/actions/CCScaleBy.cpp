#include "actions/CCScaleBy.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCScaleBy* CCScaleBy::create(float duration, float s)
{
    auto* action = new CCScaleBy();
    return detail::autoreleased(action, action->initWithDuration(duration, s));
}

CCScaleBy* CCScaleBy::create(float duration, float sx, float sy)
{
    auto* action = new CCScaleBy();
    return detail::autoreleased(action, action->initWithDuration(duration, sx, sy));
}

CCObject* CCScaleBy::copyWithZone(CCZone*)
{
    auto* copy = new CCScaleBy();
    copy->initWithDuration(m_fDuration, m_fEndScaleX, m_fEndScaleY);
    return copy;
}

void CCScaleBy::startWithTarget(CCNode* target)
{
    CCScaleTo::startWithTarget(target);
    m_fDeltaX = m_fStartScaleX * m_fEndScaleX - m_fStartScaleX;
    m_fDeltaY = m_fStartScaleY * m_fEndScaleY - m_fStartScaleY;
}

CCActionInterval* CCScaleBy::reverse()
{
    if (m_fEndScaleX == 0 || m_fEndScaleY == 0) {
        CCLog("CCScaleBy: reverse of a zero factor is not possible");
        return nullptr;
    }
    return CCScaleBy::create(m_fDuration, 1 / m_fEndScaleX, 1 / m_fEndScaleY);
}

} // namespace cocos2d
