// An action without duration: its one step calls update(1) and it is done.
#pragma once

#include "actions/CCFiniteTimeAction.h"

namespace cocos2d {

class CCActionInstant : public CCFiniteTimeAction {
public:
    CCObject* copyWithZone(CCZone* zone) override;
    bool isDone() override { return true; }
    void step(float dt) override;
    void update(float time) override;
    CCFiniteTimeAction* reverse() override;
};

} // namespace cocos2d
