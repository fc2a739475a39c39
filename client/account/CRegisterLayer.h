// Scene 14: a new account on the entry server. The player types a mobile number, a password twice
// and, if a friend sent them, that friend's number; once the server accepts, the account is
// remembered and logged in straight away, which ends on the main menu.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "extensions/CCIMEDelegate.h"

#include <string>

class CInputBox;

class CRegisterLayer : public cocos2d::CCLayer, public cocos2d::CCIMEDelegate {
public:
    static cocos2d::CCScene* scene();
    static CRegisterLayer* create();
    bool init() override { return true; }
    void onEnter() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch*, cocos2d::CCEvent*) override { return true; }

    // "confirmbtn": the local checks, then the request.
    void submit();
    void onRegisterAnswer(int code);
    // An exchange failure: the server link shows its own box.
    void onRegisterFailed(int) {}
    void loginNewAccount();
    void onLoginDone(int code);
    void onLoginFailed();
    void openAgreement();

    // Leading decimal digits as a number (0 without any); a number too big for an int gives the
    // largest int, which no player has.
    static int leadingNumber(const std::string& text);

    CInputBox* userNameBox() const { return m_userNameBox; }
    CInputBox* passwordBox() const { return m_passwordBox; }
    CInputBox* confirmBox() const { return m_confirmBox; }
    CInputBox* referrerBox() const { return m_referrerBox; }
    cocos2d::extension::CCControlButton* agreementButton() const { return m_agreementButton; }
    cocos2d::extension::UILayer* uiRoot() const { return m_uiRoot; }

    // The boxes share the tag of the session boxes: a keystroke in any input box clears them.
    static constexpr int kBoxTag = 298;
    static constexpr int kBoxZ = 99;
    static constexpr int kGuideZ = 1200;
    static constexpr int kBusyTag = 1009;
    static constexpr int kBusyZ = 1001;
    static constexpr int kAgreementPriority = -1390;

private:
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onAgreementTouched(cocos2d::CCObject* sender, cocos2d::extension::CCControlEvent event);
    CInputBox* addInputBox(const char* widgetName, int mode, int maxLength, const char* placeholderKey);
    void addAgreementLine();
    void showBox(const std::string& message, cocos2d::SEL_CallFunc onSure);
    void showKeyBox(const char* key) { showBox(text(key), nullptr); }
    void watchLogin(float dt);
    void removeBusy();
    static std::string text(const char* key);

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    CInputBox* m_userNameBox = nullptr;
    CInputBox* m_passwordBox = nullptr;
    CInputBox* m_confirmBox = nullptr;
    CInputBox* m_referrerBox = nullptr;
    cocos2d::extension::CCControlButton* m_agreementButton = nullptr;
    std::string m_userName;
    // The typed password until the request goes out, then its digest.
    std::string m_password;
    // What was typed: stored after success, so the next start digests it once.
    std::string m_plainPassword;
};
