// visible = fmod(t, 1/n) > 1/(2n); the original visibility is restored at stop.
#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCBlink : public CCActionInterval {
public:
    static CCBlink* create(float duration, unsigned int uBlinks);
    bool initWithDuration(float duration, unsigned int uBlinks);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    void update(float time) override;
    CCActionInterval* reverse() override;

protected:
    unsigned int m_nTimes = 1;
    bool m_bOriginalState = true;
};

} // namespace cocos2d
