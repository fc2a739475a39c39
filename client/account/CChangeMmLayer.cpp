#include "account/CChangeMmLayer.h"

#include "account/AccountChecks.h"
#include "account/AccountForm.h"
#include "app/ClientLog.h"
#include "app/Platform.h"
#include "app/SceneDirector.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "widgets/CInputBox.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr const char* kLayout = "alterpwd.ExportJson";
constexpr int kUserScreen = 13;

} // namespace

CCScene* CChangeMmLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CChangeMmLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CChangeMmLayer* CChangeMmLayer::create() {
    auto* layer = new CChangeMmLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CChangeMmLayer::Create Error!");
    return nullptr;
}

bool CChangeMmLayer::init() { return CCLayer::init(); }

UIWidget* CChangeMmLayer::widget(const char* name) const { return m_ui ? m_ui->getWidgetByName(name) : nullptr; }

void CChangeMmLayer::onEnter() {
    CCLayer::onEnter();
    setTouchEnabled(true);
    m_ui = UILayer::create();
    addChild(m_ui, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile(kLayout)) {
        m_ui->addWidget(root);
    } else {
        ClientLog::write("password change: %s cannot be read", kLayout);
    }
    for (const char* name : {"backbtn", "confirmbtn"}) {
        if (UIWidget* w = widget(name)) w->addTouchEventListener(this, toucheventselector(CChangeMmLayer::onButton));
    }
    AccountForm::titleWidget(widget("confirmlabel"), "confirmAlter", widget("confirmbtn"));

    // Every password box hides what is typed, the old one too, and takes the 12 characters a
    // password may have with room to spare.
    AccountForm::FieldBox box;
    box.mode = CInputBox::kPassword;
    box.maxLength = 16;
    box.placeholderKey = "InputOldMM";
    m_oldBox = AccountForm::addFieldBox(this, widget("oldpwdbg"), box);
    box.placeholderKey = "InpytNewMM";
    m_newBox = AccountForm::addFieldBox(this, widget("newpwdbg"), box);
    box.placeholderKey = "EnsureMM";
    m_confirmBox = AccountForm::addFieldBox(this, widget("confirmpwdbg"), box);
}

void CChangeMmLayer::onExit() {
    setTouchEnabled(false);
    CCLayer::onExit();
}

void CChangeMmLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* w = dynamic_cast<UIWidget*>(sender);
    if (w == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = w->getName();
    if (name == "confirmbtn") {
        changePassword();
    } else if (name == "backbtn") {
        backToUserScreen();
    }
}

void CChangeMmLayer::changePassword() {
    const std::string oldPassword = m_oldBox ? m_oldBox->getText() : std::string();
    const std::string newPassword = m_newBox ? m_newBox->getText() : std::string();
    const std::string confirmation = m_confirmBox ? m_confirmBox->getText() : std::string();
    if (AccountChecks::checkPassword(oldPassword) == AccountChecks::kPasswordInvalid) {
        AccountForm::showNoticeKey(this, "OldPwdLengthError");
        return;
    }
    if (AccountChecks::checkPassword(newPassword) == AccountChecks::kPasswordInvalid) {
        AccountForm::showNoticeKey(this, "NewPwdLengthError");
        return;
    }
    if (newPassword != confirmation) {
        AccountForm::showNoticeKey(this, "NewPwdNoSame");
        return;
    }
    m_newPassword = newPassword;
    // Nothing here is a remembered digest: whatever was typed is digested, 32 characters included.
    UserSession::instance().setDeviceText(Platform::current().deviceIdentity());
    RequestCatalogue::changePassword(AccountChecks::passwordDigest(oldPassword),
                                     AccountChecks::passwordDigest(newPassword),
                                     {this, net_selector(CChangeMmLayer::onPasswordChanged), nullptr});
}

void CChangeMmLayer::onPasswordChanged(int code) {
    if (code == 0) {
        // The password kept for the next start is the new one, as typed.
        UserSession::instance().setPassword(m_newPassword);
        AccountForm::showNoticeKey(this, "ChangeMMOK", callfunc_selector(CChangeMmLayer::backToUserScreen));
    } else if (code == 1) {
        AccountForm::showNoticeKey(this, "OldPwdError");
    } else {
        ClientLog::write("password change: answer code %d", code);
    }
}

void CChangeMmLayer::backToUserScreen() {
    if (!SceneDirector::instance().switchTo(kUserScreen)) {
        ClientLog::write("password change: scene %d is not available", kUserScreen);
    }
}
