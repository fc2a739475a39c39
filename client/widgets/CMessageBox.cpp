#include "widgets/CMessageBox.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "widgets/Pictures.h"

USING_NS_CC;

CMessageBox* CMessageBox::create(const std::string& title, const std::string& message, CCObject* target,
                                 SEL_CallFunc onYes, SEL_CallFunc onNo) {
    auto* box = new CMessageBox;
    if (box->init(title, message, target, onYes, onNo)) {
        box->autorelease();
        return box;
    }
    CCLog("Fun CMessageBox::Create Error!");
    delete box;
    return nullptr;
}

bool CMessageBox::init(const std::string& title, const std::string& message, CCObject* target, SEL_CallFunc onYes,
                       SEL_CallFunc onNo) {
    if (!CCLayer::init()) {
        return false;
    }
    m_target = target;
    m_onYes = onYes;
    m_onNo = onNo;
    m_titleText = title;
    m_messageText = message;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    CCLayerColor* shade = CCLayerColor::create(ccc4(0, 0, 0, 50), window.width, window.height);
    shade->setPosition(ccp(-window.width / 2, -window.height / 2));
    addChild(shade, 0);

    CCSprite* background = Pictures::sprite("xiaotankuang.png");
    addChild(background, 1);
    const float W = background->getContentSize().width;
    const float H = background->getContentSize().height;

    CCLabelTTF* titleLabel = Pictures::label(title, 24, CCSizeMake(W, 29), kCCTextAlignmentCenter);
    // Dark on the light panel: white text there cannot be read.
    const ccColor3B ink = {60, 40, 20};
    titleLabel->setColor(ink);
    titleLabel->setPosition(ccp(100, H / 2 - 24));
    addChild(titleLabel, 2);
    CCLabelTTF* messageLabel =
        Pictures::label(message, 24, CCSizeMake(std::max(0.0f, W - 100), std::max(0.0f, H - 200)),
                        kCCTextAlignmentCenter);
    messageLabel->setColor(ink);
    messageLabel->setPosition(ccp(0, 0));
    addChild(messageLabel, 2);

    LocalText& text = LocalText::instance();
    const char* keys[2] = {"Yes", "No"};
    CCSprite** buttons[2] = {&m_yesButton, &m_noButton};
    for (int i = 0; i < 2; ++i) {
        CCSprite* button = Pictures::sprite("anniutankuang.png");
        const float B = button->getContentSize().height;
        button->setPosition(ccp(i == 0 ? -100.0f : 100.0f, B - H / 2));
        addChild(button, 2);
        CCLabelTTF* label = Pictures::label(text.text(keys[i]), 24, CCSizeZero, kCCTextAlignmentCenter);
        label->setPosition(button->getPosition());
        addChild(label, 3);
        *buttons[i] = button;
    }
    return true;
}

void CMessageBox::onEnter() {
    CCLayer::onEnter();
    setTouchEnabled(true);
}

void CMessageBox::onExit() {
    CCLayer::onExit();
    setTouchEnabled(false);
}

void CMessageBox::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
}

bool CMessageBox::ccTouchBegan(CCTouch*, CCEvent*) { return true; }

void CMessageBox::ccTouchEnded(CCTouch* touch, CCEvent*) { handleRelease(convertTouchToNodeSpace(touch)); }

void CMessageBox::handleRelease(const CCPoint& local) {
    if (m_target == nullptr) {
        return;
    }
    retain();
    bool hit = false;
    for (CCSprite* button : {m_yesButton, m_noButton}) {
        const CCRect box = button->boundingBox();
        ClientLog::write("...x ..y %d,%d ... w ....h %d, %d", static_cast<int>(box.origin.x),
                         static_cast<int>(box.origin.y), static_cast<int>(box.size.width),
                         static_cast<int>(box.size.height));
        if (!box.containsPoint(local)) {
            continue;
        }
        hit = true;
        SEL_CallFunc handler = button == m_yesButton ? m_onYes : m_onNo;
        if (handler) {
            (m_target->*handler)();
        }
        break;
    }
    if (hit) {
        removeFromParentAndCleanup(true);
    }
    release();
}
