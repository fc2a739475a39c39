// The session values every game-server request carries, and the login with its follow-up chain:
// prize table (49), then location (2) and user information (3), then one advertisement report (36)
// per touched advertisement, and question ids (30) with the wall list (26). The login target's
// done handler runs when the question ids have arrived.
#pragma once

#include "cocos2d.h"

#include <string>

class UserSession : public cocos2d::CCObject {
public:
    static UserSession& instance();

    // password is already the MD5 digest. The target is retained until the next login.
    void login(const std::string& userName, const std::string& password, cocos2d::CCObject* target,
               cocos2d::SEL_CallFuncI onLoginDone, cocos2d::SEL_CallFunc onLoginFail);

    void onLoginAnswer(int code);
    void onLoginNetFail(int status);
    void onPrizeTable(int code);
    void onLocationReported(int code);
    void onAdReported(int code);
    void onUserInfo(int code);
    void onQuestionIds(int code);
    // The shared status handler of the follow-up requests: the common "netFail" box is enough.
    void onFollowUpFailed(int status);

    void setRegistered(bool registered);
    bool isRegistered() const { return m_registered; }
    // registered := a user name is remembered.
    bool hasStoredUser();
    void setUserName(const std::string& name);
    void setPassword(const std::string& password);
    // Set from the login answer.
    void setLoginValues(int userId, const std::string& sessionId);

    const std::string& sessionId() const { return m_sessionId; }
    int userId() const { return m_userId; }
    const std::string& deviceText() const { return m_deviceText; }
    void setDeviceText(const std::string& text) { m_deviceText = text; }
    const std::string& userName() const { return m_userName; }
    const std::string& password() const { return m_password; }
    int accountKind() const { return m_accountKind; }
    void setAccountKind(int kind) { m_accountKind = kind; }

    std::string storedUserName() const;
    std::string storedPasswordDigest() const;

    // Start state (tests).
    void reset();

private:
    UserSession() = default;
    void showBox(const std::string& text, int tag);

    std::string m_sessionId;
    int m_userId = 0;
    std::string m_deviceText;
    bool m_registered = false;
    int m_accountKind = 0;
    std::string m_userName, m_password;
    cocos2d::CCObject* m_loginTarget = nullptr;
    cocos2d::SEL_CallFuncI m_onLoginDone = nullptr;
    cocos2d::SEL_CallFunc m_onLoginFail = nullptr;
};
