// Plays a CCAnimation on a sprite: each frame shows from its start time (in delay units) on;
// with restoreOriginalFrame the sprite gets its previous frame back when the action stops.
#pragma once

#include <vector>

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCAnimation;
class CCSpriteFrame;

class CCAnimate : public CCActionInterval {
public:
    ~CCAnimate() override;
    static CCAnimate* create(CCAnimation* animation);
    bool initWithAnimation(CCAnimation* animation);

    void startWithTarget(CCNode* target) override;
    void stop() override;
    void update(float t) override;
    CCActionInterval* reverse() override;
    CCObject* copyWithZone(CCZone* zone) override;

    CCAnimation* getAnimation() const { return m_animation; }

private:
    CCAnimation* m_animation = nullptr;
    std::vector<float> m_splitTimes;
    int m_nextFrame = 0;
    CCSpriteFrame* m_origFrame = nullptr;
    unsigned int m_executedLoops = 0;
};

} // namespace cocos2d
