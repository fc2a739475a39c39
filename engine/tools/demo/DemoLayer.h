// Base layer of both demo scenes: a full-window targeted touch handler (below the menus) whose
// release switches scenes, and a status label updated by the menus.
#pragma once

#include <functional>

#include "cocos2d.h"

namespace demo {

class DemoLayer : public cocos2d::CCLayer {
public:
    bool initWithSwitch(std::function<cocos2d::CCScene*()> makeOther);
    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void keyBackClicked() override;

    void setStatus(cocos2d::CCLabelTTF* status) { m_status = status; }
    void menuPressed(cocos2d::CCObject* sender);
    void sequenceDone();

private:
    std::function<cocos2d::CCScene*()> m_makeOther;
    cocos2d::CCLabelTTF* m_status = nullptr;
    int m_presses = 0;
    bool m_switching = false;
};

} // namespace demo
