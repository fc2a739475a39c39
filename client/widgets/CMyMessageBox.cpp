#include "widgets/CMyMessageBox.h"

#include <algorithm>

#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "widgets/CLableLayer.h"
#include "widgets/Pictures.h"

#include <cmath>
#include <cstdlib>

USING_NS_CC;

namespace {

constexpr float kBackgroundScale = 0.4f;
constexpr float kButtonScale = 0.3f;

} // namespace

CMyMessageBox* CMyMessageBox::create(const std::string& title, const std::string& message,
                                     const std::string& button1Text, const std::string& button2Text,
                                     const std::string& button3Text, CCObject* target, int showBack,
                                     SEL_CallFunc onButton1, SEL_CallFunc onButton2, SEL_CallFunc onButton3,
                                     SEL_CallFunc onBack, bool richText) {
    auto* box = new CMyMessageBox;
    box->m_onButton1 = onButton1;
    box->m_onButton2 = onButton2;
    box->m_onButton3 = onButton3;
    box->m_onBack = onBack;
    const std::string texts[3] = {button1Text, button2Text, button3Text};
    if (box->initBox(title, message, texts, target, showBack, richText)) {
        box->autorelease();
        return box;
    }
    CCLog("Fun CMyMessageBox::Create Error!");
    delete box;
    return nullptr;
}

CCSprite* CMyMessageBox::addButton(const std::string& text, float x, float y) {
    CCSprite* button = Pictures::sprite("common_btn.png");
    button->setScale(kButtonScale);
    button->setScaleX(0.38f);
    button->setPosition(ccp(x, y));
    addChild(button, 2);
    CCLabelTTF* label = Pictures::label(text, 30, CCSizeZero, kCCTextAlignmentCenter);
    // Four-character captions ("goOnQuestion") are wider than the usual button: stretch the
    // picture under them instead of letting the text spill over its ends.
    const float pictureWidth = button->getContentSize().width;
    if (pictureWidth > 0) {
        button->setScaleX(std::max(0.38f, (label->getContentSize().width + 36) / pictureWidth));
    }
    label->setColor(ccc3(0, 0, 0));
    label->setPosition(ccp(x, y));
    addChild(label, 3);
    return button;
}

bool CMyMessageBox::initBox(const std::string& title, const std::string& message, const std::string* texts,
                            CCObject* target, int showBack, bool richText) {
    if (!CCLayer::init()) {
        return false;
    }
    m_target = target;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    CCLayerColor* shade = CCLayerColor::create(ccc4(0, 0, 0, 50), window.width, window.height);
    shade->setPosition(ccp(-window.width / 2, -window.height / 2));
    addChild(shade, 0);

    CCSprite* background = Pictures::sprite("common_alertBg.png");
    background->setScaleX(kBackgroundScale);
    background->setScaleY(richText ? 0.52f : 0.2f);
    addChild(background, 1);
    const float W = background->getContentSize().width * kBackgroundScale;
    const float H = background->getContentSize().height * kBackgroundScale;

    m_titleText = title.empty() ? LocalText::instance().text("tips") : title;
    m_titleLabel = Pictures::label(m_titleText, 30, CCSizeMake(W, 35), kCCTextAlignmentCenter);
    m_titleLabel->setColor(ccc3(0, 0, 0));
    m_titleLabel->setPosition(ccp(0, H / 2 - 30 - 100));
    addChild(m_titleLabel, 2);

    m_messageText = message;
    float buttonY = -50;
    if (richText) {
        m_titleLabel->setVisible(false);
        if (CCLabelBMFont* fancy = CCLabelBMFont::create(m_titleText.c_str(), "Chinese.fnt")) {
            fancy->setScale(1.2f);
            fancy->setColor(ccc3(250, 250, 200));
            fancy->setPosition(ccp(0, H / 2 - 30));
            addChild(fancy, 2);
        }
        m_textPanel = CLableLayer::create("     " + message);
        if (m_textPanel) {
            m_textPanel->setContentSize(CCSizeMake(400, 350));
            m_textPanel->setPosition(ccp(0, -20));
            addChild(m_textPanel, 2);
        }
        m_keepOpenOnButton3 = true;
        buttonY = -190;
    } else {
        m_messageLabel = Pictures::label(message, 30, CCSizeMake(std::max(0.0f, W - 100), 0), kCCTextAlignmentCenter);
        m_messageLabel->setColor(ccc3(0, 0, 0));
        m_messageLabel->setPosition(ccp(0, H / 2 - 30 - 150));
        addChild(m_messageLabel, 2);
    }
    const float xs[3] = {-120, 0, 120};
    CCSprite** slots[3] = {&m_button1, &m_button2, &m_button3};
    for (int i = 0; i < 3; ++i) {
        if (!texts[i].empty()) {
            *slots[i] = addButton(texts[i], xs[i], buttonY);
        }
    }
    if (m_messageLabel != nullptr) fitMessage();
    if (showBack == 1) {
        m_backButton = Pictures::sprite("common_backBtn.png");
        m_backButton->setScale(0.8f);
        m_backButton->setPosition(ccp(W / 2 - 30, H / 2 - 30));
        addChild(m_backButton, 2);
    }
    return true;
}

void CMyMessageBox::fitMessage() {
    // A text too tall for its place (a server's tip of three lines) would run over the title and
    // the buttons: it is drawn smaller, in the middle of the room between them.
    const float top = m_titleLabel->boundingBox().getMinY();
    float bottom = -1e9f;
    for (CCSprite* b : {m_button1, m_button2, m_button3}) {
        if (b != nullptr) bottom = std::max(bottom, b->boundingBox().getMaxY());
    }
    if (bottom < -1e8f) return;
    const CCRect text = m_messageLabel->boundingBox();
    if (text.getMaxY() <= top && text.getMinY() >= bottom) return;
    const float room = top - bottom - 4;
    if (room <= 0) return;
    m_messageLabel->setScale(std::min(1.0f, room / m_messageLabel->getContentSize().height));
    m_messageLabel->setPositionY((top + bottom) / 2);
}

CCSprite* CMyMessageBox::button(int index) const {
    switch (index) {
    case 1: return m_button1;
    case 2: return m_button2;
    case 3: return m_button3;
    default: return nullptr;
    }
}

void CMyMessageBox::onEnter() {
    CCLayer::onEnter();
    setTouchEnabled(true);
}

void CMyMessageBox::onExit() {
    CCLayer::onExit();
    setTouchEnabled(false);
}

void CMyMessageBox::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, registeredPriority(), true);
}

void CMyMessageBox::setTouchPriority(int bump) { m_priorityBump = bump; }

bool CMyMessageBox::ccTouchBegan(CCTouch*, CCEvent*) { return true; }

void CMyMessageBox::ccTouchEnded(CCTouch* touch, CCEvent*) { handleRelease(convertTouchToNodeSpace(touch)); }

bool CMyMessageBox::hitsButton(const CCSprite* button, const CCPoint& local) {
    if (button == nullptr) {
        return false;
    }
    const CCSize size = const_cast<CCSprite*>(button)->getContentSize();
    const CCPoint at = const_cast<CCSprite*>(button)->getPosition();
    const int halfWidth = static_cast<int>(kButtonScale * size.width) / 2;
    const int halfHeight = static_cast<int>(kButtonScale * size.height) / 2;
    return std::fabs(local.x - at.x) <= static_cast<float>(halfWidth) &&
           std::fabs(local.y - at.y) <= static_cast<float>(halfHeight);
}

void CMyMessageBox::playClick() { SoundManager::instance().playEffect("buttonT.mp3"); }

void CMyMessageBox::handleRelease(const CCPoint& local) {
    if (m_target == nullptr) {
        return;
    }
    // A handler may switch scenes and so release this box: keep it until we are done.
    retain();
    CCObject* target = m_target;
    bool close = false;
    auto press = [&](SEL_CallFunc handler) {
        if (handler) {
            (target->*handler)();
            playClick();
        }
    };
    if (hitsButton(m_button1, local)) {
        press(m_onButton1);
        close = true;
    }
    if (hitsButton(m_button2, local)) {
        press(m_onButton2);
        close = true;
    }
    if (hitsButton(m_button3, local)) {
        press(m_onButton3);
        close = !m_keepOpenOnButton3;
    }
    if (m_backButton && m_backButton->boundingBox().containsPoint(local)) {
        press(m_onBack);
        close = true;
    }
    if (close) {
        removeFromParentAndCleanup(true);
        playClick();
    }
    release();
}
