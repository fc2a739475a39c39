// The cover over a hall while it waits: kind 1 while an opponent is searched for (the searching
// figure and a blinking title), kind 2 while the hall's enter answer is pending (a running horse;
// after 30 s a "theNetIsDie" box leads back to the contest hall). Swallows every touch under it.
#pragma once

#include "cocos2d.h"

class CHD_CoverLayerColor : public cocos2d::CCLayerColor {
public:
    enum Kind { kSearching = 1, kEntering = 2 };

    static CHD_CoverLayerColor* create(int kind);
    bool initWithKind(int kind);

    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch*, cocos2d::CCEvent*) override { return true; }

    int kind() const { return m_kind; }

    static constexpr int kTouchPriority = -1280;
    static constexpr float kNetDeadSeconds = 30.0f;
    static constexpr int kNetDeadBoxTag = 77;

private:
    using cocos2d::CCLayerColor::init;
    void buildSearching();
    void buildEntering();
    void startRunning();
    void showNetDead();
    void backToContestHall();

    int m_kind = kSearching;
    cocos2d::CCSprite* m_runner = nullptr;
};
