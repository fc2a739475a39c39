// Scene 15, password change: the old password, the new one twice. Both travel as digests; once the
// server has taken the new one it is the password kept for the next start.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CInputBox;

class CChangeMmLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CChangeMmLayer* create();
    bool init() override;
    void onEnter() override;
    void onExit() override;

    // The confirm button's work (touch-ended).
    void changePassword();
    void onPasswordChanged(int code);
    // "sure" of the success box.
    void backToUserScreen();

    CInputBox* oldBox() const { return m_oldBox; }
    CInputBox* newBox() const { return m_newBox; }
    CInputBox* confirmBox() const { return m_confirmBox; }
    cocos2d::extension::UIWidget* widget(const char* name) const;

private:
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);

    cocos2d::extension::UILayer* m_ui = nullptr;
    CInputBox* m_oldBox = nullptr;
    CInputBox* m_newBox = nullptr;
    CInputBox* m_confirmBox = nullptr;
    // The new password as typed, kept until the server has answered.
    std::string m_newPassword;
};
