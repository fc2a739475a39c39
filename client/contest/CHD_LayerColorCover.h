// The waiting cover of a contest: the whole window dimmed, "waiting for the opponent" and a pen
// writing on a sheet of paper. It claims every touch except in the top right corner, so the
// question under it cannot be answered while the way out stays open.
#pragma once

#include "cocos2d.h"

class CHD_LayerColorCover : public cocos2d::CCLayerColor {
public:
    static CHD_LayerColorCover* create();
    bool init() override;

    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchEnded(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchCancelled(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}

    // Whether a touch at this window point is claimed.
    static bool claims(const cocos2d::CCPoint& point);

    // Before the question screens' menus and widgets, after every message box.
    static constexpr int kTouchPriority = -1000;
};
