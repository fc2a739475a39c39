#pragma once

#include "actions/CCActionInterval.h"

namespace cocos2d {

class CCSpeed : public CCAction {
public:
    ~CCSpeed() override;
    static CCSpeed* create(CCActionInterval* action, float speed);
    bool initWithAction(CCActionInterval* action, float speed);

    float getSpeed() const { return m_fSpeed; }
    void setSpeed(float speed) { m_fSpeed = speed; }
    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    void step(float dt) override;
    bool isDone() override;
    CCSpeed* reverse();
    CCActionInterval* getInnerAction() { return m_pInnerAction; }

private:
    float m_fSpeed = 1;
    CCActionInterval* m_pInnerAction = nullptr;
};

} // namespace cocos2d
