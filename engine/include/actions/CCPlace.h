#pragma once

#include "actions/CCActionInstant.h"
#include "base/CCGeometry.h"

namespace cocos2d {

class CCPlace : public CCActionInstant {
public:
    static CCPlace* create(const CCPoint& pos);
    bool initWithPosition(const CCPoint& pos);
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;

protected:
    CCPoint m_tPosition;
};

} // namespace cocos2d
