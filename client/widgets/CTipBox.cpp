#include "widgets/CTipBox.h"

#include "app/SoundManager.h"
#include "widgets/CLableLayer.h"
#include "widgets/Pictures.h"

USING_NS_CC;

CTipBox* CTipBox::create(const std::string& titleImage, const std::string& text, CCObject* target,
                         SEL_CallFunc onClose) {
    auto* box = new CTipBox;
    if (box->initTipBox(titleImage, text, target, onClose)) {
        box->autorelease();
        return box;
    }
    CCLog("Fun CTipBox::Create Error!");
    delete box;
    return nullptr;
}

bool CTipBox::initTipBox(const std::string& titleImage, const std::string& text, CCObject* target,
                         SEL_CallFunc onClose) {
    if (!CCLayer::init()) {
        return false;
    }
    m_target = target;
    m_onClose = onClose;
    m_text = text;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    CCLayerColor* shade = CCLayerColor::create(ccc4(0, 0, 0, 50), window.width, window.height);
    shade->setPosition(ccp(-window.width / 2, -window.height / 2));
    addChild(shade, 0);

    m_background = Pictures::sprite("common_alertBg.png");
    m_background->setScale(0.4f);
    addChild(m_background, 1);
    const float W = m_background->getContentSize().width * 0.4f;
    const float H = m_background->getContentSize().height * 0.4f;

    m_closeButton = Pictures::sprite("common_closeBtn.png");
    m_closeButton->setScale(0.8f);
    m_closeButton->setPosition(ccp(W / 2 - 42, H / 2 - 42));
    addChild(m_closeButton, 2);

    CCSprite* title = Pictures::sprite(titleImage);
    title->setScale(0.5f);
    title->setPosition(ccp(0, H / 4 - 20));
    addChild(title, 2);

    m_panel = CLableLayer::create(text);
    if (m_panel) {
        m_panel->setContentSize(CCSizeMake(400, 350));
        m_panel->setPosition(ccp(0, -20));
        addChild(m_panel, 2);
    }
    return true;
}

void CTipBox::onEnter() {
    CCLayer::onEnter();
    setTouchEnabled(true);
}

void CTipBox::onExit() {
    CCLayer::onExit();
    setTouchEnabled(false);
}

void CTipBox::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
}

bool CTipBox::ccTouchBegan(CCTouch*, CCEvent*) { return true; }

void CTipBox::ccTouchEnded(CCTouch* touch, CCEvent*) { handleRelease(convertTouchToNodeSpace(touch)); }

void CTipBox::handleRelease(const CCPoint& local) {
    if (m_target == nullptr || m_closeButton == nullptr || !m_closeButton->boundingBox().containsPoint(local)) {
        return;
    }
    retain();
    SoundManager::instance().playEffect("buttonT.mp3");
    if (m_onClose) {
        (m_target->*m_onClose)();
    }
    removeFromParentAndCleanup(true);
    SoundManager::instance().playEffect("buttonT.mp3");
    release();
}
