// A full-screen layer that claims every touch (priority offset - 1279), optionally with the busy
// spinner, which shows after one second.
#pragma once

#include "cocos2d.h"

class CCMask : public cocos2d::CCLayer {
public:
    static CCMask* create(int priorityOffset, bool spinner);

    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchEnded(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchCancelled(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}

    int touchPriority() const { return m_priorityOffset - 1279; }
    static constexpr int kSpinnerTag = 121;

private:
    bool initMask(int priorityOffset, bool spinner);
    void startSpinner();

    int m_priorityOffset = 0;
    bool m_spinner = false;
};
