#include "actions/CCBlink.h"

#include <cmath>

#include "actions/ActionSupport.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCBlink* CCBlink::create(float duration, unsigned int uBlinks)
{
    auto* blink = new CCBlink();
    return detail::autoreleased(blink, blink->initWithDuration(duration, uBlinks));
}

bool CCBlink::initWithDuration(float duration, unsigned int uBlinks)
{
    CCActionInterval::initWithDuration(duration);
    m_nTimes = uBlinks == 0 ? 1 : uBlinks;
    return true;
}

CCObject* CCBlink::copyWithZone(CCZone*)
{
    auto* copy = new CCBlink();
    copy->initWithDuration(m_fDuration, m_nTimes);
    return copy;
}

void CCBlink::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_bOriginalState = target->isVisible();
}

void CCBlink::stop()
{
    if (m_pTarget)
        m_pTarget->setVisible(m_bOriginalState);
    CCActionInterval::stop();
}

void CCBlink::update(float t)
{
    if (!m_pTarget || isDone())
        return;
    const float slice = 1.0f / static_cast<float>(m_nTimes);
    const float m = std::fmod(t, slice);
    m_pTarget->setVisible(m > slice / 2);
}

CCActionInterval* CCBlink::reverse()
{
    return CCBlink::create(m_fDuration, m_nTimes);
}

} // namespace cocos2d
