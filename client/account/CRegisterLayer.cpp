#include "account/CRegisterLayer.h"

#include "account/AccountChecks.h"
#include "account/AccountForm.h"
#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/Md5.h"
#include "app/Platform.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/CNetLayer.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"
#include "widgets/playGuide.h"

#include <climits>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kGuideIndex = 5;
constexpr int kUserScreen = 13;
constexpr int kFontSize = 35;
// The text starts this far inside its field and ends as far before the field's right edge.
constexpr float kFieldInset = 20;
const ccColor3B kInputColour = {60, 30, 10};
const ccColor3B kLinkColour = {0, 0, 255};
// The captions' brown: white would vanish on the light background.
const ccColor3B kLeadColour = {110, 60, 20};

} // namespace

std::string CRegisterLayer::text(const char* key) { return LocalText::instance().text(key); }

CCScene* CRegisterLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CRegisterLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CRegisterLayer* CRegisterLayer::create() {
    CRegisterLayer* layer = new CRegisterLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CRegisterLayer::Create Error!");
    return nullptr;
}

void CRegisterLayer::onEnter() {
    CCLayer::onEnter();
    // Entered again after a fade back: build once.
    if (m_uiRoot) return;
    if (!StoredSettings::readBool(StoredSettings::guideKey("register").c_str(), false)) {
        if (playGuide* guide = playGuide::create(kGuideIndex)) addChild(guide, kGuideZ);
    }
    setTouchEnabled(true);
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot);
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("register.ExportJson");
    if (root == nullptr) {
        ClientLog::write("registration: register.ExportJson cannot be read");
        return;
    }
    m_uiRoot->addWidget(root);
    for (const char* name : {"backbtn", "confirmbtn"}) {
        if (UIWidget* button = m_uiRoot->getWidgetByName(name)) {
            button->setTouchEnabled(true);
            button->addTouchEventListener(this, toucheventselector(CRegisterLayer::onButton));
        } else {
            ClientLog::write("registration: register.ExportJson has no %s", name);
        }
    }
    if (UIWidget* title = m_uiRoot->getWidgetByName("registerlabel")) {
        if (CCLabelBMFont* label = CCLabelBMFont::create(text("Registration").c_str(), "Chinese.fnt")) {
            title->addNode(label, 5);
        }
    }
    m_userNameBox = addInputBox("usernamebg", CInputBox::kPlain, 11, "inputTruePhone");
    m_passwordBox = addInputBox("pwdbg", CInputBox::kPassword, 16, "InputUserMM");
    m_confirmBox = addInputBox("confirmpwdbg", CInputBox::kPassword, 16, "EnsureMM");
    m_referrerBox = addInputBox("uidbg", CInputBox::kPlain, 10, "RecommendCode");
    addAgreementLine();
}

void CRegisterLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

CInputBox* CRegisterLayer::addInputBox(const char* widgetName, int mode, int maxLength, const char* placeholderKey) {
    AccountForm::FieldBox options;
    options.mode = mode;
    options.fontSize = kFontSize;
    options.maxLength = maxLength;
    options.placeholderKey = placeholderKey;
    options.inset = kFieldInset;
    options.colour = kInputColour;
    options.cursorOnText = true;
    return AccountForm::addFieldBox(this, m_uiRoot->getWidgetByName(widgetName), options);
}

void CRegisterLayer::addAgreementLine() {
    const CCSize lineBox(480, 50);
    // Both texts sit on the bottom of their boxes, clear of the register button above them.
    CCLabelTTF* lead = Pictures::label(text("UserAgreementuser1"), 20, lineBox, kCCTextAlignmentLeft);
    lead->setVerticalAlignment(kCCVerticalTextAlignmentBottom);
    lead->setColor(kLeadColour);
    lead->setAnchorPoint(ccp(0, 0));
    lead->setPosition(ccp(330, 55));
    addChild(lead, 2);

    CCLabelTTF* link = Pictures::label(text("UserAgreementuser2"), 20, lineBox, kCCTextAlignmentLeft);
    link->setVerticalAlignment(kCCVerticalTextAlignmentBottom);
    link->setColor(kLinkColour);
    m_agreementButton = CCControlButton::create(link, CCScale9Sprite::create());
    if (m_agreementButton == nullptr) {
        ClientLog::write("registration: the agreement link cannot be built");
        return;
    }
    // The button takes the title's colour per state; it does not keep the label's own.
    m_agreementButton->setTitleColorForState(kLinkColour, CCControlStateNormal);
    m_agreementButton->setTitleColorForState(kLinkColour, CCControlStateHighlighted);
    m_agreementButton->setAnchorPoint(ccp(0, 0));
    m_agreementButton->setPosition(ccp(533, 53));
    m_agreementButton->setTouchPriority(kAgreementPriority);
    m_agreementButton->setZoomOnTouchDown(false);
    m_agreementButton->addTargetWithActionForControlEvents(
        this, cccontrol_selector(CRegisterLayer::onAgreementTouched), CCControlEventTouchUpInside);
    addChild(m_agreementButton, 2);
}

void CRegisterLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* widget = dynamic_cast<UIWidget*>(sender);
    if (widget == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = widget->getName();
    if (name == "backbtn") {
        if (!SceneDirector::instance().switchTo(kUserScreen)) {
            ClientLog::write("registration: scene %d is not available yet", kUserScreen);
        }
    } else if (name == "confirmbtn") {
        submit();
    }
}

int CRegisterLayer::leadingNumber(const std::string& text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

void CRegisterLayer::submit() {
    if (!m_userNameBox || !m_passwordBox || !m_confirmBox || !m_referrerBox) {
        ClientLog::write("registration: the form is incomplete; nothing sent");
        return;
    }
    m_userName = m_userNameBox->getText();
    m_password = m_passwordBox->getText();
    const std::string confirmation = m_confirmBox->getText();
    const std::string referrer = m_referrerBox->getText();
    m_plainPassword = m_password;
    if (!AccountChecks::userNameValid(m_userName)) {
        showKeyBox("UserNameError");
        return;
    }
    if (AccountChecks::checkPassword(m_password) == AccountChecks::kPasswordInvalid) {
        showKeyBox("PasswordLegthError");
        return;
    }
    if (m_password != confirmation) {
        showKeyBox("NewPwdNoSame");
        return;
    }
    m_password = Md5::hexDigest(m_password);
    UserSession& session = UserSession::instance();
    session.setDeviceText(Platform::current().deviceIdentity());
    const Json::Value referrerId = referrer.empty() ? Json::Value() : Json::Value(leadingNumber(referrer));
    ClientLog::write("registration: asking for %s", m_userName.c_str());
    RequestCatalogue::registerAccount(m_userName, m_password, session.deviceText(), referrerId,
                                      {this, net_selector(CRegisterLayer::onRegisterAnswer),
                                       net_selector(CRegisterLayer::onRegisterFailed)});
}

void CRegisterLayer::onRegisterAnswer(int code) {
    const std::string tip = GameData::instance().tip;
    if (!tip.empty()) {
        showBox(tip, nullptr);
        return;
    }
    switch (code) {
    case 0: {
        UserSession& session = UserSession::instance();
        session.setUserName(m_userName);
        session.setPassword(m_plainPassword);
        // Typing would otherwise clear the box, and with it the way into the new account.
        for (CInputBox* box : {m_userNameBox, m_passwordBox, m_confirmBox, m_referrerBox}) {
            if (box) box->setAttached(false);
        }
        showBox(text("RegisterSuccess"), callfunc_selector(CRegisterLayer::loginNewAccount));
        break;
    }
    case 1: showKeyBox("UserExist"); break;
    case 2: showKeyBox("UserNameError"); break;
    case 3: showKeyBox("ZhuCeYaoQingMAFail"); break;
    default: ClientLog::write("registration: answer code %d", code); break;
    }
}

void CRegisterLayer::loginNewAccount() {
    UserSession& session = UserSession::instance();
    const std::string name = session.userName();
    // Only the session learns the digest: the stored "pwd" stays as typed.
    const std::string digest = Md5::hexDigest(session.password());
    if (!getChildByTag(kBusyTag)) {
        if (CNetLayer* busy = CNetLayer::create(true)) addChild(busy, kBusyZ, kBusyTag);
    }
    ClientLog::write("registration: logging in %s", name.c_str());
    session.login(name, digest, this, callfuncI_selector(CRegisterLayer::onLoginDone),
                  callfunc_selector(CRegisterLayer::onLoginFailed));
    schedule(schedule_selector(CRegisterLayer::watchLogin), 0.5f);
}

void CRegisterLayer::watchLogin(float) {
    // A refused login or a failed follow-up ends the chain without calling us back: once nothing
    // is under way any more, the player gets the screen (and the refusal box) back.
    if (NetManager::instance().outstanding() > 0) return;
    ClientLog::write("registration: the login ended without reaching the menu");
    removeBusy();
}

void CRegisterLayer::removeBusy() {
    unschedule(schedule_selector(CRegisterLayer::watchLogin));
    if (getChildByTag(kBusyTag)) removeChildByTag(kBusyTag);
}

void CRegisterLayer::onLoginDone(int) {
    unschedule(schedule_selector(CRegisterLayer::watchLogin));
    SceneDirector::instance().showMain();
}

void CRegisterLayer::onLoginFailed() { removeBusy(); }

void CRegisterLayer::onAgreementTouched(CCObject*, CCControlEvent) { openAgreement(); }

void CRegisterLayer::openAgreement() {
    const std::string address = text("UserAgreementuser3");
    if (address.empty()) {
        ClientLog::write("registration: no agreement address");
        return;
    }
    Platform::current().openUrl(address);
}

void CRegisterLayer::showBox(const std::string& message, SEL_CallFunc onSure) {
    AccountForm::showNotice(this, message, onSure);
}
