// Two actions one after the other; longer lists nest to the left: (((A, B), C), D).
// A part skipped over by a long frame still gets its update(1), so no callback is lost.
#pragma once

#include "actions/CCActionInterval.h"
#include "base/CCArray.h"
#include <cstdarg>

namespace cocos2d {

class CCSequence : public CCActionInterval {
public:
    ~CCSequence() override;
    // Null-terminated list. A single action is paired with an empty one.
    static CCSequence* create(CCFiniteTimeAction* action1, ...);
    static CCSequence* create(CCArray* arrayOfActions);
    static CCSequence* createWithVariableList(CCFiniteTimeAction* action1, va_list args);
    static CCSequence* createWithTwoActions(CCFiniteTimeAction* actionOne, CCFiniteTimeAction* actionTwo);
    bool initWithTwoActions(CCFiniteTimeAction* actionOne, CCFiniteTimeAction* actionTwo);

    CCObject* copyWithZone(CCZone* zone) override;
    void startWithTarget(CCNode* target) override;
    void stop() override;
    void update(float t) override;
    CCActionInterval* reverse() override;

private:
    CCFiniteTimeAction* m_pActions[2] = {nullptr, nullptr};
    float m_split = 0;
    int m_last = -1;
};

} // namespace cocos2d
