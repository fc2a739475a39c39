// Base of actions that move the target's own camera (CCNode::getCamera).
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCActionCamera : public CCActionInterval {
public:
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;

protected:
    float m_fCenterXOrig = 0, m_fCenterYOrig = 0, m_fCenterZOrig = 0;
    float m_fEyeXOrig = 0, m_fEyeYOrig = 0, m_fEyeZOrig = 0;
    float m_fUpXOrig = 0, m_fUpYOrig = 0, m_fUpZOrig = 0;
};

} // namespace cocos2d
