// Scene 13, the user screen: the player's badge, id, score and money, and a login form whose
// login replaces the running session. The remember box decides whether the password is kept: on,
// a remembered password comes back as its digest (shown as stars only); switched off, the kept
// password is forgotten at once.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CInputBox;

class CUserInfoLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CUserInfoLayer* create();
    bool init() override;
    void onEnter() override;
    void onExit() override;

    // The login button's work (touch-ended).
    void login();
    // UserSession calls this when the whole login chain is through.
    void onUserLogin(int code);
    // The login exchange itself failed.
    void onUserLoginFailed();
    // The remember box (touch-ended).
    void toggleRemember();

    CInputBox* nameBox() const { return m_nameBox; }
    CInputBox* passwordBox() const { return m_passwordBox; }
    bool remembers() const { return m_remember; }
    const std::string& rememberedDigest() const { return m_rememberedDigest; }
    bool loginPending() const { return m_loginPending; }
    cocos2d::extension::UIWidget* widget(const char* name) const;

    static constexpr int kScoreTag = 100;
    static constexpr int kMoneyTag = 101;
    static constexpr int kCoverTag = 1008;
    static constexpr int kCoverZ = 10;
    static constexpr int kBadgeTag = 102;
    static constexpr int kIdTag = 103;

private:
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void buildPlayerPanel();
    void buildForm();
    void setLoginButtonsEnabled(bool enabled);
    void removeCover();
    void watchLogin(float dt);
    void endLogin();
    void showNetFail(float dt);

    cocos2d::extension::UILayer* m_ui = nullptr;
    CInputBox* m_nameBox = nullptr;
    CInputBox* m_passwordBox = nullptr;
    cocos2d::extension::UIWidget* m_checkMark = nullptr;
    std::string m_typedName;
    // What the password box held when login was pressed, and what went to the server.
    std::string m_typedPassword, m_passwordSent;
    int m_passwordCheck = 0;
    bool m_remember = false;
    std::string m_rememberedDigest;
    bool m_loginPending = false;
};
