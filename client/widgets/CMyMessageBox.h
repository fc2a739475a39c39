// The general message box: a title, a message, up to three text buttons and a back button, each
// calling a member function of the target. Lays itself out around (0, 0): the caller places it at
// the window centre. Claims every touch while on stage; closes by removing itself.
#pragma once

#include "cocos2d.h"

#include <string>

class CLableLayer;

class CMyMessageBox : public cocos2d::CCLayer {
public:
    // Empty button texts leave their button out; showBack 1 shows the back button; richText puts the
    // message in a scrolling panel and keeps the box open on button 3.
    static CMyMessageBox* create(const std::string& title, const std::string& message,
                                 const std::string& button1Text, const std::string& button2Text,
                                 const std::string& button3Text, cocos2d::CCObject* target, int showBack,
                                 cocos2d::SEL_CallFunc onButton1, cocos2d::SEL_CallFunc onButton2,
                                 cocos2d::SEL_CallFunc onButton3, cocos2d::SEL_CallFunc onBack, bool richText);

    void onEnter() override;
    void onExit() override;
    void registerWithTouchDispatcher() override;
    // Stores the priority bump: the box registers at -bump - 1281.
    void setTouchPriority(int bump) override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchCancelled(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}

    // Box-local touch handling (the touch-ended rules), for the touch handler and tests.
    void handleRelease(const cocos2d::CCPoint& local);

    int registeredPriority() const { return -m_priorityBump - 1281; }
    cocos2d::CCSprite* button(int index) const; // 1, 2, 3; null when absent
    cocos2d::CCSprite* backButton() const { return m_backButton; }
    cocos2d::CCLabelTTF* titleLabel() const { return m_titleLabel; }
    cocos2d::CCLabelTTF* messageLabel() const { return m_messageLabel; }
    CLableLayer* textPanel() const { return m_textPanel; }
    const std::string& titleText() const { return m_titleText; }
    const std::string& messageText() const { return m_messageText; }

    // True when a local point hits the button as drawn at scale 0.3 (integer half sizes).
    static bool hitsButton(const cocos2d::CCSprite* button, const cocos2d::CCPoint& local);

private:
    bool initBox(const std::string& title, const std::string& message, const std::string* texts,
                 cocos2d::CCObject* target, int showBack, bool richText);
    cocos2d::CCSprite* addButton(const std::string& text, float x, float y);
    void playClick();

    int m_priorityBump = 0;
    cocos2d::SEL_CallFunc m_onButton1 = nullptr, m_onButton2 = nullptr, m_onButton3 = nullptr,
                          m_onBack = nullptr;
    cocos2d::CCObject* m_target = nullptr;
    cocos2d::CCSprite* m_button1 = nullptr;
    cocos2d::CCSprite* m_button2 = nullptr;
    cocos2d::CCSprite* m_button3 = nullptr;
    cocos2d::CCSprite* m_backButton = nullptr;
    void fitMessage();

    cocos2d::CCLabelTTF* m_titleLabel = nullptr;
    cocos2d::CCLabelTTF* m_messageLabel = nullptr;
    CLableLayer* m_textPanel = nullptr;
    std::string m_titleText, m_messageText;
    bool m_keepOpenOnButton3 = false;
};
