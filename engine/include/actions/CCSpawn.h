// Runs actions together; the shorter is padded with a delay so both see the same t.
#pragma once

#include "actions/CCActionInterval.h"
#include "base/CCArray.h"
#include <cstdarg>

namespace cocos2d {

class CCSpawn : public CCActionInterval {
public:
    ~CCSpawn() override;
    static CCSpawn* create(CCFiniteTimeAction* action1, ...);
    static CCSpawn* create(CCArray* arrayOfActions);
    static CCSpawn* createWithVariableList(CCFiniteTimeAction* action1, va_list args);
    static CCSpawn* createWithTwoActions(CCFiniteTimeAction* action1, CCFiniteTimeAction* action2);
    bool initWithTwoActions(CCFiniteTimeAction* action1, CCFiniteTimeAction* action2);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    void update(float time) override;
    CCActionInterval* reverse() override;

private:
    CCFiniteTimeAction* m_pOne = nullptr;
    CCFiniteTimeAction* m_pTwo = nullptr;
};

} // namespace cocos2d
