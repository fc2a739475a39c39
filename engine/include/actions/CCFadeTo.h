#pragma once

#include "actions/CCActionInterval.h"
#include "base/ccTypes.h"

namespace cocos2d {

class CCFadeTo : public CCActionInterval {
public:
    static CCFadeTo* create(float duration, GLubyte opacity);
    bool initWithDuration(float duration, GLubyte opacity);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;

protected:
    GLubyte m_toOpacity = 0;
    GLubyte m_fromOpacity = 0;
};

} // namespace cocos2d
