#include "quiz/addWallLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "app/StoredSettings.h"
#include "quiz/CQuestionMission.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"
#include "widgets/playGuide.h"

USING_NS_CC;

namespace {

const ccColor3B kOptionTextColour = {100, 50, 20};

CCMenuItem* optionButton(const std::string& text, CCObject* target, SEL_MenuHandler handler) {
    CCMenuItemSprite* item =
        CCMenuItemSprite::create(Pictures::sprite("daankuang.png"), Pictures::sprite("daankuang.png"), target, handler);
    CCLabelTTF* label = Pictures::label(text, 30, CCSizeZero, kCCTextAlignmentCenter);
    label->setColor(kOptionTextColour);
    const CCSize size = item->getContentSize();
    label->setPosition(ccp(size.width / 2, size.height / 2));
    item->addChild(label, 1);
    return item;
}

} // namespace

addWallLayer* addWallLayer::create(int kind) {
    auto* layer = new addWallLayer;
    if (layer->init(kind)) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun addWallLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool addWallLayer::init(int kind) {
    if (!CCLayer::init()) {
        return false;
    }
    m_kind = kind;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    LocalText& text = LocalText::instance();
    m_addWallButton = optionButton(text.text("addWall"), this, menu_selector(addWallLayer::onAddWall));
    m_addWallButton->setPosition(ccp(-180, 0));
    m_nextButton = optionButton(text.text("NextQuestion"), this, menu_selector(addWallLayer::onNextClick));
    m_nextButton->setPosition(ccp(180, 0));
    CCMenu* menu = CCMenu::create(m_addWallButton, m_nextButton, nullptr);
    menu->setPosition(ccp(window.width / 2, window.height / 2));
    addChild(menu, 1);
    const char* letters[2] = {"a.png", "b.png"};
    const float letterX[2] = {90, 880};
    for (int i = 0; i < 2; ++i) {
        CCSprite* letter = Pictures::sprite(letters[i]);
        letter->setScale(0.6f);
        letter->setPosition(ccp(letterX[i], window.height / 2 - 10));
        addChild(letter, 1);
    }
    return true;
}

void addWallLayer::onEnter() {
    CCLayer::onEnter();
    const std::string key = StoredSettings::guideKey(playGuide::guideName(kGuidePage));
    if (!StoredSettings::readBool(key.c_str(), false)) {
        if (playGuide* guide = playGuide::create(kGuidePage)) {
            addChild(guide, 10);
        }
    }
}

void addWallLayer::onAddWall(CCObject*) {
    SoundManager::instance().playEffect("buttonT.mp3");
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    if (scene == nullptr) {
        return;
    }
    LocalText& text = LocalText::instance();
    // Both buttons only close the box: sharing is not offered on this platform.
    CMyMessageBox* box = CMyMessageBox::create("", text.text("ShareTip"), text.text("waitNext"),
                                               text.text("gotoDownLoad"), "", this, 0, nullptr, nullptr, nullptr,
                                               nullptr, false);
    if (box) {
        const CCSize window = CCDirector::sharedDirector()->getWinSize();
        box->setPosition(ccp(window.width / 2, window.height / 2));
        scene->addChild(box, 99);
    }
}

void addWallLayer::onNextClick(CCObject*) {
    SoundManager::instance().playEffect("buttonT.mp3");
    ClientLog::write("onNextClick");
    retain();
    CQuestionMission::instance()->start(0);
    CQuestionMission::instance()->setWallShown(false);
    removeFromParentAndCleanup(true);
    release();
}
