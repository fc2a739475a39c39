// Scene 0: the logo animation, shown once; its first movement event hands over to the loading screen.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

class CLogoLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CLogoLayer* create();
    bool init() override { return true; }
    void onEnter() override;

    // The shade (tag 100) with the armature at the window centre.
    static cocos2d::CCLayerColor* buildAnimation(int animationIndex);
    static constexpr int kShadeTag = 100;

    // The armature's movement events; only the first one hands over.
    void onMovementEvent(cocos2d::extension::CCArmature* armature, cocos2d::extension::MovementEventType type,
                         const char* movement);

private:
    void showLogo(float dt);
    void handOver();

    bool m_handedOver = false;
};
