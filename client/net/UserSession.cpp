#include "net/UserSession.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/Platform.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "data/AdStore.h"
#include "net/GameData.h"
#include "net/NetNotices.h"
#include "net/RequestCatalogue.h"
#include "quiz/QuizData.h"

USING_NS_CC;

namespace {

constexpr int kUserInfoScene = 13;
constexpr int kPasswordErrorTag = 298;

bool isGone(CCObject* target) {
    // Only our own reference left: the screen that asked for the login has been left.
    return dynamic_cast<CCNode*>(target) != nullptr && target->retainCount() <= 1;
}

} // namespace

UserSession& UserSession::instance() {
    static UserSession* session = new UserSession;
    return *session;
}

void UserSession::reset() {
    m_sessionId.clear();
    m_userId = 0;
    m_deviceText.clear();
    m_registered = false;
    m_accountKind = 0;
    m_userName.clear();
    m_password.clear();
    if (m_loginTarget) m_loginTarget->release();
    m_loginTarget = nullptr;
    m_onLoginDone = nullptr;
    m_onLoginFail = nullptr;
}

void UserSession::login(const std::string& userName, const std::string& password, CCObject* target,
                        SEL_CallFuncI onLoginDone, SEL_CallFunc onLoginFail) {
    if (target) target->retain();
    if (m_loginTarget) m_loginTarget->release();
    m_loginTarget = target;
    m_onLoginDone = onLoginDone;
    m_onLoginFail = onLoginFail;
    m_userName = userName;
    m_password = password;
    m_deviceText = Platform::current().deviceIdentity();
    RequestCatalogue::login(m_deviceText, userName, password);
}

void UserSession::onLoginNetFail(int) {
    if (m_loginTarget && m_onLoginFail && !isGone(m_loginTarget)) {
        (m_loginTarget->*m_onLoginFail)();
    }
}

void UserSession::showBox(const std::string& text, int tag) {
    CCNode* scene = CCDirector::sharedDirector()->getRunningScene();
    if (scene == nullptr) {
        scene = SceneDirector::instance().currentScene();
    }
    if (scene == nullptr) {
        ClientLog::write("login notice \"%s\" with no scene to show it on", text.c_str());
        return;
    }
    NetNotices::addTextBox(scene, text, tag);
}

void UserSession::onLoginAnswer(int code) {
    const bool onUserScreen = SceneDirector::instance().currentSceneId() == kUserInfoScene;
    const std::string tip = GameData::instance().tip;
    if (!tip.empty()) {
        showBox(tip, kCCNodeTagInvalid);
        if (onUserScreen) NetNotices::removeUserScreenOverlay(SceneDirector::instance().currentScene());
        return;
    }
    LocalText& text = LocalText::instance();
    switch (code) {
    case 0:
        if (!m_userName.empty() && !m_password.empty()) {
            setRegistered(true);
            m_accountKind = 1;
            if (GameData::instance().rememberChoice) {
                StoredSettings::writeBool(settings::kRememberPassword, true);
            }
        } else {
            m_accountKind = 2;
        }
        RequestCatalogue::prizeTable(this, net_selector(UserSession::onPrizeTable),
                                     net_selector(UserSession::onFollowUpFailed), Busy::No);
        QuizData::instance().selectedOptionIndex = -1;
        break;
    case 1:
        showBox(text.text("UserNameError"), kCCNodeTagInvalid);
        break;
    case 2:
        showBox(text.text("UserNameNoExist"), kCCNodeTagInvalid);
        if (onUserScreen) NetNotices::removeUserScreenOverlay(SceneDirector::instance().currentScene());
        break;
    case 3:
        showBox(text.text("PasswordError"), kPasswordErrorTag);
        if (onUserScreen) NetNotices::removeUserScreenOverlay(SceneDirector::instance().currentScene());
        break;
    default:
        break;
    }
}

void UserSession::onPrizeTable(int) {
    Platform& platform = Platform::current();
    RequestCatalogue::reportLocation(platform.locationLatitude(), platform.locationLongitude(),
                                     platform.locationCity(), this, net_selector(UserSession::onLocationReported),
                                     net_selector(UserSession::onFollowUpFailed));
    RequestCatalogue::userInfo(this, net_selector(UserSession::onUserInfo),
                               net_selector(UserSession::onFollowUpFailed), Busy::No);
}

void UserSession::onLocationReported(int) {
    AdStore& store = AdStore::instance();
    store.loadTouched();
    for (const AdRecord& record : store.records()) {
        RequestCatalogue::adTouch(record.qsid, record.gameType, this, net_selector(UserSession::onAdReported),
                                  net_selector(UserSession::onFollowUpFailed));
    }
}

void UserSession::onAdReported(int) {
    const WallEntry& entry = GameData::instance().wallEntry;
    AdStore::instance().setTouchByQuestion("Ad", std::to_string(entry.qsid), std::to_string(entry.qstype), "2");
}

void UserSession::onUserInfo(int code) {
    if (code != 0) {
        return;
    }
    RequestCatalogue::questionIdList(this, net_selector(UserSession::onQuestionIds),
                                     net_selector(UserSession::onFollowUpFailed), Busy::No);
    RequestCatalogue::sdkPlat();
}

void UserSession::onQuestionIds(int code) {
    if (code == 0 && m_loginTarget && m_onLoginDone && !isGone(m_loginTarget)) {
        (m_loginTarget->*m_onLoginDone)(0);
    }
}

void UserSession::onFollowUpFailed(int) {}

void UserSession::setRegistered(bool registered) {
    m_registered = registered;
    StoredSettings::writeBool(settings::kRegisteredPlayer, registered);
}

bool UserSession::hasStoredUser() {
    m_registered = !StoredSettings::storedUserName().empty();
    return m_registered;
}

void UserSession::setUserName(const std::string& name) {
    m_userName = name;
    StoredSettings::storeUserName(name);
}

void UserSession::setPassword(const std::string& password) {
    m_password = password;
    StoredSettings::storePassword(password);
}

void UserSession::setLoginValues(int userId, const std::string& sessionId) {
    m_userId = userId;
    m_sessionId = sessionId;
}

std::string UserSession::storedUserName() const { return StoredSettings::storedUserName(); }

std::string UserSession::storedPasswordDigest() const { return StoredSettings::storedPasswordDigest(); }
