// Removes the running node from its parent.
#pragma once

#include "actions/CCActionInstant.h"

namespace cocos2d {

class CCRemoveSelf : public CCActionInstant {
public:
    static CCRemoveSelf* create(bool isNeedCleanUp = true);
    bool init(bool isNeedCleanUp);
    void update(float time) override;
    CCFiniteTimeAction* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;

protected:
    bool m_bIsNeedCleanUp = true;
};

} // namespace cocos2d
