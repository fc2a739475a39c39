#pragma once

#include "actions/CCJumpBy.h"

namespace cocos2d {

class CCJumpTo : public CCJumpBy {
public:
    static CCJumpTo* create(float duration, const CCPoint& position, float height, int jumps);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;

protected:
    CCPoint m_endPosition;
};

} // namespace cocos2d
