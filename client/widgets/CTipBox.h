// The instruction box: a picture title, a scrolling text and a close button.
#pragma once

#include "cocos2d.h"

#include <string>

class CLableLayer;

class CTipBox : public cocos2d::CCLayer {
public:
    static CTipBox* create(const std::string& titleImage, const std::string& text, cocos2d::CCObject* target,
                           cocos2d::SEL_CallFunc onClose);

    void onEnter() override;
    void onExit() override;
    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchCancelled(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}

    void handleRelease(const cocos2d::CCPoint& local);
    cocos2d::CCSprite* closeButton() const { return m_closeButton; }
    CLableLayer* textPanel() const { return m_panel; }

    static constexpr int kTouchPriority = -1279;

private:
    bool initTipBox(const std::string& titleImage, const std::string& text, cocos2d::CCObject* target,
                    cocos2d::SEL_CallFunc onClose);

    cocos2d::SEL_CallFunc m_onClose = nullptr;
    cocos2d::CCObject* m_target = nullptr;
    cocos2d::CCSprite* m_background = nullptr;
    cocos2d::CCSprite* m_closeButton = nullptr;
    CLableLayer* m_panel = nullptr;
    std::string m_text;
};
