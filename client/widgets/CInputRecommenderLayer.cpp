#include "widgets/CInputRecommenderLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "net/GameData.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <cstdlib>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

const ccColor3B kSureColour = {250, 200, 50};

} // namespace

CInputRecommenderLayer* CInputRecommenderLayer::create(const std::string& title, CCObject* target,
                                                       SEL_CallFunc onConfirm, SEL_CallFunc onCancel, int mode) {
    auto* layer = new CInputRecommenderLayer;
    if (layer->init(title, target, onConfirm, onCancel, mode)) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CInputRecommenderLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CInputRecommenderLayer::init(const std::string& title, CCObject* target, SEL_CallFunc onConfirm,
                                  SEL_CallFunc onCancel, int mode) {
    if (!CCLayer::init()) {
        return false;
    }
    m_title = title;
    m_target = target;
    m_onConfirm = onConfirm;
    m_onCancel = onCancel;
    m_mode = mode;
    m_ui = UILayer::create();
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("InputLayer.ExportJson");
    if (m_ui == nullptr || root == nullptr) {
        ClientLog::write("input dialog: InputLayer.ExportJson cannot be read");
        return false;
    }
    m_ui->setTouchPriority(kTouchPriority);
    m_ui->addWidget(root);
    addChild(m_ui);
    UIWidget* back = m_ui->getWidgetByName("backbtn");
    UIWidget* ok = m_ui->getWidgetByName("okbtn");
    UIWidget* field = m_ui->getWidgetByName("inputbg");
    if (back == nullptr || ok == nullptr || field == nullptr) {
        ClientLog::write("input dialog: InputLayer.ExportJson lacks backbtn, okbtn or inputbg");
        return false;
    }
    for (UIWidget* button : {back, ok}) {
        button->setTouchEnabled(true);
        button->addTouchEventListener(this, toucheventselector(CInputRecommenderLayer::onButton));
    }
    const CCPoint at = field->getPosition();
    const ccColor3B black = {0, 0, 0};
    if (mode == kCodeEntry) {
        m_inputBox = new CInputBox;
        m_inputBox->autorelease();
        m_inputBox->init(CCSizeMake(field->getSize().width - 40, 50), 35, black, CInputBox::kPlain);
        m_inputBox->setMaxLength(10);
        m_inputBox->setPlaceHolder(LocalText::instance().text("TuiJianCode"));
        m_inputBox->moveCursorY(10);
        m_inputBox->setPosition(ccp(at.x - 40, at.y));
        addChild(m_inputBox, 2);
        CCLabelTTF* titleLabel = Pictures::label(title, 30, CCSizeZero, kCCTextAlignmentCenter);
        titleLabel->setColor(black);
        titleLabel->setPosition(ccp(at.x, at.y + 60));
        addChild(titleLabel, 2);
        if (CCLabelBMFont* sure = CCLabelBMFont::create(LocalText::instance().text("sure").c_str(), "Chinese.fnt")) {
            sure->setColor(kSureColour);
            ok->addNode(sure, 5);
        }
    } else if (mode == kChoice) {
        if (auto* button = dynamic_cast<UIButton*>(ok)) {
            const char* picture = "btn_dianwo.png";
            const bool framed = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(picture) != nullptr;
            button->loadTextures(picture, picture, "", framed ? UI_TEX_TYPE_PLIST : UI_TEX_TYPE_LOCAL);
        }
        ok->setScale(0.8f);
        CCLabelTTF* titleLabel = Pictures::label(title, 30, CCSizeMake(500, 100), kCCTextAlignmentLeft);
        titleLabel->setColor(black);
        titleLabel->setAnchorPoint(ccp(0, 1));
        titleLabel->setPosition(ccp(at.x - 220, at.y + 60));
        addChild(titleLabel, 2);
        CCSprite* picture = Pictures::sprite("pk_zongtu.png");
        picture->setScale(0.8f);
        picture->setPosition(ccp(at.x - 260, at.y + 100));
        addChild(picture, 2);
        field->setEnabled(false);
    }
    return true;
}

std::string CInputRecommenderLayer::inputText() const { return m_inputBox ? m_inputBox->getText() : std::string(); }

void CInputRecommenderLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* widget = dynamic_cast<UIWidget*>(sender);
    if (widget == nullptr || type != TOUCH_EVENT_ENDED) {
        return;
    }
    SoundManager::instance().playEffect("buttonT.mp3");
    // The actions may remove this dialog while its layout is still handling the touch: it lives on
    // until the end of the frame.
    retain();
    autorelease();
    const std::string name = widget->getName();
    if (name == "okbtn") {
        onOk();
    } else if (name == "backbtn") {
        onBack();
    }
}

void CInputRecommenderLayer::refuse(const char* key) {
    LocalText& text = LocalText::instance();
    CMyMessageBox* box = CMyMessageBox::create("", text.text(key), text.text("sure"), "", "", this, 0, nullptr,
                                               nullptr, nullptr, nullptr, false);
    if (box) {
        const CCSize window = CCDirector::sharedDirector()->getWinSize();
        box->setPosition(ccp(window.width / 2, window.height / 2));
        addChild(box, 10);
    }
}

bool CInputRecommenderLayer::codeIsAcceptable() {
    const std::string code = inputText();
    for (char c : code) {
        if (c < '0' || c > '9') {
            refuse("TuijianMaIsDIgit");
            return false;
        }
    }
    // At most 10 digits: the number fits in a long long.
    const long long number = code.empty() ? 0 : std::strtoll(code.c_str(), nullptr, 10);
    if (number == 0) {
        refuse("TuijianrenIDNotZero");
        return false;
    }
    if (number == GameData::instance().user.uuid) {
        refuse("TuijianrenNotSelf");
        return false;
    }
    return true;
}

void CInputRecommenderLayer::onOk() {
    if (m_mode == kCodeEntry && !codeIsAcceptable()) {
        return;
    }
    if (m_target && m_onConfirm) {
        (m_target->*m_onConfirm)();
    }
}

void CInputRecommenderLayer::onBack() {
    if (m_mode == kCodeEntry) {
        removeFromParentAndCleanup(true);
        return;
    }
    if (m_mode == kChoice && m_target && m_onCancel) {
        (m_target->*m_onCancel)();
    }
}
