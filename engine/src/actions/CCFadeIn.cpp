#include "actions/CCFadeIn.h"

#include "actions/CCFadeOut.h"
#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"
#include "nodes/CCRGBAProtocol.h"

namespace cocos2d {

CCFadeIn* CCFadeIn::create(float d)
{
    auto* action = new CCFadeIn();
    return detail::autoreleased(action, action->initWithDuration(d));
}

CCObject* CCFadeIn::copyWithZone(CCZone*)
{
    auto* copy = new CCFadeIn();
    copy->initWithDuration(m_fDuration);
    return copy;
}

void CCFadeIn::update(float t)
{
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(m_pTarget))
        rgba->setOpacity(detail::toByte(255 * t));
}

CCActionInterval* CCFadeIn::reverse()
{
    return CCFadeOut::create(m_fDuration);
}

} // namespace cocos2d
