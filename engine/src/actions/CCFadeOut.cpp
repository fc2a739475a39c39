#include "actions/CCFadeOut.h"

#include "actions/CCFadeIn.h"
#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"
#include "nodes/CCRGBAProtocol.h"

namespace cocos2d {

CCFadeOut* CCFadeOut::create(float d)
{
    auto* action = new CCFadeOut();
    return detail::autoreleased(action, action->initWithDuration(d));
}

CCObject* CCFadeOut::copyWithZone(CCZone*)
{
    auto* copy = new CCFadeOut();
    copy->initWithDuration(m_fDuration);
    return copy;
}

void CCFadeOut::update(float t)
{
    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(m_pTarget))
        rgba->setOpacity(detail::toByte(255 * (1 - t)));
}

CCActionInterval* CCFadeOut::reverse()
{
    return CCFadeIn::create(m_fDuration);
}

} // namespace cocos2d
