// A plain Yes/No box with a title and a message (the contest result dialog derives from it).
#pragma once

#include "cocos2d.h"

#include <string>

class CMessageBox : public cocos2d::CCLayer {
public:
    static CMessageBox* create(const std::string& title, const std::string& message, cocos2d::CCObject* target,
                               cocos2d::SEL_CallFunc onYes, cocos2d::SEL_CallFunc onNo);
    virtual bool init(const std::string& title, const std::string& message, cocos2d::CCObject* target,
                      cocos2d::SEL_CallFunc onYes, cocos2d::SEL_CallFunc onNo);

    void onEnter() override;
    void onExit() override;
    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchCancelled(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}

    void handleRelease(const cocos2d::CCPoint& local);
    cocos2d::CCSprite* yesButton() const { return m_yesButton; }
    cocos2d::CCSprite* noButton() const { return m_noButton; }

    static constexpr int kTouchPriority = -1282;

protected:
    using cocos2d::CCLayer::init;

    cocos2d::SEL_CallFunc m_onYes = nullptr, m_onNo = nullptr;
    cocos2d::CCObject* m_target = nullptr;
    cocos2d::CCSprite* m_yesButton = nullptr;
    cocos2d::CCSprite* m_noButton = nullptr;
    std::string m_titleText, m_messageText;
};
