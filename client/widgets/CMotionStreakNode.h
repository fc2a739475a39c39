// An invisible node that drags a colour-cycling light trail behind itself. The trail lives in the
// parent (tag 401070), so it stays where it was drawn while this node moves on.
#pragma once

#include "cocos2d.h"

class CMotionStreakNode : public cocos2d::CCNode {
public:
    static CMotionStreakNode* create();
    void onExit() override;

    static constexpr int kStreakTag = 401070;

private:
    void tick(float dt);

    bool m_created = false;
};
