#pragma once

#include "actions/CCAction.h"

namespace cocos2d {

class CCFiniteTimeAction : public CCAction {
public:
    float getDuration() const { return m_fDuration; }
    void setDuration(float duration) { m_fDuration = duration; }
    // A new autoreleased action doing the opposite (null and logged where none exists).
    virtual CCFiniteTimeAction* reverse();

protected:
    float m_fDuration = 0;
};

} // namespace cocos2d
