#pragma once

#include "actions/CCMoveBy.h"

namespace cocos2d {

class CCMoveTo : public CCMoveBy {
public:
    static CCMoveTo* create(float duration, const CCPoint& position);
    bool initWithDuration(float duration, const CCPoint& position);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    CCActionInterval* reverse() override;

protected:
    CCPoint m_endPosition;
};

} // namespace cocos2d
