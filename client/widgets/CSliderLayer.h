// The main menu's slide-out settings panel: music and sound switches, sharing and the contact page.
#pragma once

#include "cocos2d.h"

#include <string>

class CSliderLayerDelegateProtocol {
public:
    virtual ~CSliderLayerDelegateProtocol() = default;
    virtual void share() = 0;
};

class CSliderLayer : public cocos2d::CCLayer {
public:
    static CSliderLayer* create(int kind);
    bool initSlider(int kind);
    void setDelegate(CSliderLayerDelegateProtocol* delegate) { m_delegate = delegate; }

    void toggle(cocos2d::CCObject* sender = nullptr);
    void onSound(cocos2d::CCObject* sender = nullptr);
    void onMusic(cocos2d::CCObject* sender = nullptr);
    void onShare(cocos2d::CCObject* sender = nullptr);
    void onContact(cocos2d::CCObject* sender = nullptr);
    void openGamePage();

    bool isOpen() const { return m_open; }
    cocos2d::CCNode* panel() const { return m_panel; }
    cocos2d::CCSprite* arrow() const { return m_arrow; }
    cocos2d::CCMenuItemSprite* soundButton() const { return m_soundButton; }
    cocos2d::CCMenuItemSprite* musicButton() const { return m_musicButton; }
    // The captions the buttons show (kept even when the bitmap font is missing).
    const std::string& soundLabel() const { return m_soundCaption; }
    const std::string& musicLabel() const { return m_musicCaption; }

    static constexpr int kContactTag = 1310;
    static constexpr int kShareBoxTag = 1311;

private:
    cocos2d::CCMenuItemSprite* addButton(cocos2d::CCMenu* menu, const char* picture, float x,
                                         cocos2d::SEL_MenuHandler handler, cocos2d::CCLabelBMFont** label,
                                         const std::string& text);
    static void fitCaption(cocos2d::CCNode* button, cocos2d::CCLabelBMFont* caption);
    void showSound(bool on);
    void showMusic(bool on);

    CSliderLayerDelegateProtocol* m_delegate = nullptr;
    cocos2d::CCNode* m_panel = nullptr;
    cocos2d::CCSprite* m_arrow = nullptr;
    cocos2d::CCMenuItemSprite* m_soundButton = nullptr;
    cocos2d::CCMenuItemSprite* m_musicButton = nullptr;
    cocos2d::CCLabelBMFont* m_soundText = nullptr;
    cocos2d::CCLabelBMFont* m_musicText = nullptr;
    std::string m_soundCaption, m_musicCaption;
    bool m_open = true;
};
