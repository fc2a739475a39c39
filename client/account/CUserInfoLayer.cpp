#include "account/CUserInfoLayer.h"

#include "account/AccountChecks.h"
#include "account/AccountForm.h"
#include "app/ClientLog.h"
#include "app/LevelTitles.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/CNetLayer.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "widgets/CInputBox.h"
#include "widgets/Pictures.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr const char* kLayout = "userinfor.ExportJson";
constexpr const char* kBadgeSheet = "Xingxiang.plist";
constexpr const char* kEmptyDigest = "D41D8CD98F00B204E9800998ECF8427E";

struct ButtonScene {
    const char* name;
    int scene;
};
// "loginbtn" and "rememberpaswordbtn" have work of their own.
const ButtonScene kSceneButtons[] = {{"backbtn", 2}, {"changepwdbtn", 15}, {"registbtn", 14}, {"alterpersonbtn", 16}};

CCLabelBMFont* numberLabel(int value, const CCPoint& at) {
    CCLabelBMFont* label = CCLabelBMFont::create(std::to_string(value).c_str(), "NumFont.fnt");
    if (label == nullptr) {
        ClientLog::write("user screen: NumFont.fnt cannot be read");
        return nullptr;
    }
    // The digits grow to the right, away from the icon before them.
    label->setAnchorPoint(ccp(0, 0.5f));
    label->setPosition(at);
    return label;
}

} // namespace

CCScene* CUserInfoLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CUserInfoLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CUserInfoLayer* CUserInfoLayer::create() {
    auto* layer = new CUserInfoLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CUserInfoLayer::Create Error!");
    return nullptr;
}

bool CUserInfoLayer::init() { return CCLayer::init(); }

UIWidget* CUserInfoLayer::widget(const char* name) const { return m_ui ? m_ui->getWidgetByName(name) : nullptr; }

void CUserInfoLayer::onEnter() {
    CCLayer::onEnter();
    CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(kBadgeSheet);
    m_ui = UILayer::create();
    addChild(m_ui, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile(kLayout)) {
        m_ui->addWidget(root);
    } else {
        ClientLog::write("user screen: %s cannot be read", kLayout);
    }
    for (const ButtonScene& button : kSceneButtons) {
        if (UIWidget* w = widget(button.name)) w->addTouchEventListener(this, toucheventselector(CUserInfoLayer::onButton));
    }
    for (const char* name : {"loginbtn", "rememberpaswordbtn"}) {
        if (UIWidget* w = widget(name)) w->addTouchEventListener(this, toucheventselector(CUserInfoLayer::onButton));
    }
    AccountForm::titleWidget(widget("loginlabel"), "Login", widget("loginbtn"));
    AccountForm::titleWidget(widget("changepwdlabel"), "alterPwd", widget("changepwdbtn"));
    AccountForm::titleWidget(widget("registlabel"), "goRegister", widget("registbtn"));
    AccountForm::titleWidget(widget("alterpersonlabel"), "alterUserInfo", widget("alterpersonbtn"));
    buildForm();
    buildPlayerPanel();
}

void CUserInfoLayer::onExit() {
    unschedule(schedule_selector(CUserInfoLayer::watchLogin));
    CCLayer::onExit();
    CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFramesFromFile(kBadgeSheet);
}

void CUserInfoLayer::buildForm() {
    AccountForm::FieldBox name;
    name.mode = CInputBox::kPlain;
    name.maxLength = 11;
    name.placeholderKey = "InputName";
    name.cursorDy = 3;
    m_nameBox = AccountForm::addFieldBox(this, widget("usernamebg"), name);
    AccountForm::FieldBox password = name;
    password.mode = CInputBox::kPassword;
    password.maxLength = 16;
    password.placeholderKey = "InputUserMM";
    m_passwordBox = AccountForm::addFieldBox(this, widget("userpwdbg"), password);
    if (m_nameBox) m_nameBox->setText(UserSession::instance().userName());

    m_checkMark = widget("rememberpaswordimage");
    m_remember = StoredSettings::readBool(settings::kRememberPassword, false);
    if (m_checkMark) m_checkMark->setVisible(m_remember);
    // A remembered password comes back only as its digest; the box shows stars for it. Nothing
    // kept means nothing to prefill: the digest of an empty password would only be refused.
    const std::string digest = UserSession::instance().storedPasswordDigest();
    if (m_remember && m_nameBox && !m_nameBox->getText().empty() && digest != kEmptyDigest) {
        m_rememberedDigest = digest;
        if (m_passwordBox) m_passwordBox->setText(digest);
    }
}

void CUserInfoLayer::buildPlayerPanel() {
    const UserInfo& user = GameData::instance().user;
    if (CCLabelBMFont* score = numberLabel(user.score, ccp(280, 550))) addChild(score, 99, kScoreTag);
    if (CCLabelBMFont* money = numberLabel(user.money, ccp(620, 550))) addChild(money, 99, kMoneyTag);
    const CCPoint badgeAt = ccp(320, 320);
    const std::string badge = levelBadgeImage(user.level);
    if (!badge.empty()) {
        CCSprite* sprite = Pictures::sprite(badge);
        sprite->setScale(0.6f);
        sprite->setPosition(badgeAt);
        addChild(sprite, 1, kBadgeTag);
    }
    const std::string id = "ID:" + std::to_string(user.uuid);
    CCLabelTTF* label = Pictures::label(id, 40, CCSizeZero, kCCTextAlignmentLeft);
    label->setAnchorPoint(ccp(0, 0.5f));
    label->setPosition(ccp(badgeAt.x + 150, badgeAt.y));
    label->setColor(ccc3(110, 60, 20));
    addChild(label, 1, kIdTag);
}

void CUserInfoLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* w = dynamic_cast<UIWidget*>(sender);
    if (w == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = w->getName();
    if (name == "loginbtn") {
        login();
        return;
    }
    if (name == "rememberpaswordbtn") {
        toggleRemember();
        return;
    }
    for (const ButtonScene& button : kSceneButtons) {
        if (name == button.name && !SceneDirector::instance().switchTo(button.scene)) {
            ClientLog::write("user screen: scene %d is not available yet", button.scene);
        }
    }
}

void CUserInfoLayer::toggleRemember() {
    m_remember = !m_remember;
    if (m_checkMark) m_checkMark->setVisible(m_remember);
    if (m_remember) return;
    // Switching off forgets the kept password there and then, login or not.
    StoredSettings::writeBool(settings::kRememberPassword, false);
    StoredSettings::storePassword("");
    m_rememberedDigest.clear();
    if (m_passwordBox) m_passwordBox->setText("");
}

void CUserInfoLayer::login() {
    if (m_loginPending) return;
    if (CNetLayer* cover = CNetLayer::create(true)) addChild(cover, kCoverZ, kCoverTag);
    m_typedName = m_nameBox ? m_nameBox->getText() : std::string();
    m_typedPassword = m_passwordBox ? m_passwordBox->getText() : std::string();
    if (!AccountChecks::userNameValid(m_typedName)) {
        AccountForm::showNoticeKey(this, "UserNameError");
        removeCover();
        return;
    }
    m_passwordCheck = AccountChecks::checkPassword(m_typedPassword);
    if (m_passwordCheck == AccountChecks::kPasswordInvalid) {
        AccountForm::showNoticeKey(this, "PasswordError");
        removeCover();
        return;
    }
    setLoginButtonsEnabled(false);
    // 32 characters are the remembered digest: it goes out as it is.
    m_passwordSent = m_passwordCheck == AccountChecks::kPasswordDigest ? m_typedPassword
                                                                      : AccountChecks::passwordDigest(m_typedPassword);
    GameData::instance().rememberChoice = m_remember;
    m_loginPending = true;
    UserSession::instance().login(m_typedName, m_passwordSent, this, callfuncI_selector(CUserInfoLayer::onUserLogin),
                                  callfunc_selector(CUserInfoLayer::onUserLoginFailed));
    schedule(schedule_selector(CUserInfoLayer::watchLogin));
}

void CUserInfoLayer::onUserLogin(int) {
    endLogin();
    StoredSettings::storeUserName(m_typedName);
    // Only a password the player typed is kept; a digest put back in the box never is, or the next
    // start would digest it once more.
    if (m_remember && m_typedPassword != m_rememberedDigest && m_passwordCheck != AccountChecks::kPasswordDigest) {
        StoredSettings::storePassword(m_typedPassword);
    }
    SceneDirector::instance().showMain();
}

void CUserInfoLayer::onUserLoginFailed() {
    endLogin();
    // The server link puts up its own "netFail" box once this handler has run; one is enough.
    scheduleOnce(schedule_selector(CUserInfoLayer::showNetFail), 0);
}

void CUserInfoLayer::showNetFail(float) {
    if (!AccountForm::noticeShown(this, LocalText::instance().text("netFail"))) {
        AccountForm::showNoticeKey(this, "netFail");
    }
}

void CUserInfoLayer::watchLogin(float) {
    // A refusal is shown by the session (which takes the cover away for most of them); a chain that
    // stops half-way shows nothing at all. Either way nothing is left under way and the player gets
    // the form back.
    if (m_loginPending && NetManager::instance().outstanding() == 0) {
        ClientLog::write("user screen: the login ended without reaching the menu");
        endLogin();
    }
}

void CUserInfoLayer::endLogin() {
    m_loginPending = false;
    unschedule(schedule_selector(CUserInfoLayer::watchLogin));
    removeCover();
    setLoginButtonsEnabled(true);
}

void CUserInfoLayer::removeCover() {
    if (getChildByTag(kCoverTag)) removeChildByTag(kCoverTag);
}

void CUserInfoLayer::setLoginButtonsEnabled(bool enabled) {
    for (const char* name : {"backbtn", "loginbtn"}) {
        if (UIWidget* w = widget(name)) w->setTouchEnabled(enabled);
    }
}
