#include "actions/CCBezierTo.h"

#include "actions/ActionSupport.h"
#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCBezierTo* CCBezierTo::create(float t, const ccBezierConfig& c)
{
    auto* action = new CCBezierTo();
    return detail::autoreleased(action, action->initWithDuration(t, c));
}

bool CCBezierTo::initWithDuration(float t, const ccBezierConfig& c)
{
    CCActionInterval::initWithDuration(t);
    m_sToConfig = c;
    return true;
}

CCObject* CCBezierTo::copyWithZone(CCZone*)
{
    auto* copy = new CCBezierTo();
    copy->initWithDuration(m_fDuration, m_sToConfig);
    return copy;
}

void CCBezierTo::startWithTarget(CCNode* target)
{
    CCBezierBy::startWithTarget(target);
    m_sConfig.controlPoint_1 = m_sToConfig.controlPoint_1 - m_startPosition;
    m_sConfig.controlPoint_2 = m_sToConfig.controlPoint_2 - m_startPosition;
    m_sConfig.endPosition = m_sToConfig.endPosition - m_startPosition;
}

CCActionInterval* CCBezierTo::reverse()
{
    CCLog("CCBezierTo: reverse is not supported");
    return nullptr;
}

} // namespace cocos2d
