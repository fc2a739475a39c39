// The busy overlay: blocks touches while flagged requests are pending and, after 40 s, gives up
// with "theNetIsDie" and a way back to the main menu.
#pragma once

#include "cocos2d.h"

class CNetLayer : public cocos2d::CCLayer {
public:
    static CNetLayer* create(bool dim);

    void onEnter() override;
    void onExit() override;
    void onNetDead();
    void onNetDeadSure();

    // True while any overlay is between its onEnter and onExit.
    static bool overlayOnStage();

    static constexpr int kMaskTag = 120;
    static constexpr float kGiveUpSeconds = 40.0f;

private:
    bool initNetLayer(bool dim);
    static int& onStageCount();
};
