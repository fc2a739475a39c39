#pragma once

#include "actions/CCActionInterval.h"
#include "base/ccTypes.h"

namespace cocos2d {

class CCTintTo : public CCActionInterval {
public:
    static CCTintTo* create(float duration, GLubyte red, GLubyte green, GLubyte blue);
    bool initWithDuration(float duration, GLubyte red, GLubyte green, GLubyte blue);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;

protected:
    ccColor3B m_to;
    ccColor3B m_from;
};

} // namespace cocos2d
