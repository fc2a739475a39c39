#pragma once

#include "actions/CCActionInterval.h"
#include "base/ccTypes.h"

namespace cocos2d {

typedef short GLshort;

class CCTintBy : public CCActionInterval {
public:
    static CCTintBy* create(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue);
    bool initWithDuration(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue);
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void update(float time) override;
    CCActionInterval* reverse() override;

protected:
    GLshort m_deltaR = 0, m_deltaG = 0, m_deltaB = 0;
    GLshort m_fromR = 0, m_fromG = 0, m_fromB = 0;
};

} // namespace cocos2d
