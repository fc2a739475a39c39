#include "widgets/CSliderLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/Platform.h"
#include "app/SoundManager.h"
#include "net/RequestCatalogue.h"
#include "widgets/CContactPage.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <cstdio>

USING_NS_CC;

namespace {

std::string text(const char* key) { return LocalText::instance().text(key); }

// The panel's content lies left of its origin, so when closed only the arrow tab shows in the corner.
constexpr float kOpenX = 430;
constexpr float kClosedX = 0;
constexpr float kButtonWidth = 96;  // four buttons in the 440 points the open panel uncovers
constexpr float kButtonHeight = 50;
const float kButtonX[] = {-384, -282, -180, -78};
constexpr float kArrowX = 18;

} // namespace

CSliderLayer* CSliderLayer::create(int kind) {
    CSliderLayer* layer = new CSliderLayer;
    if (layer->initSlider(kind)) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CSliderLayer::Create Error!");
    return nullptr;
}

CCMenuItemSprite* CSliderLayer::addButton(CCMenu* menu, const char* picture, float x, SEL_MenuHandler handler,
                                          CCLabelBMFont** label, const std::string& caption) {
    CCSprite* normal = Pictures::sprite(picture);
    CCSprite* pressed = Pictures::sprite(picture);
    pressed->setColor(ccc3(200, 200, 200));
    CCMenuItemSprite* item = CCMenuItemSprite::create(normal, pressed, this, handler);
    const CCSize size = item->getContentSize();
    item->setScaleX(kButtonWidth / std::max(1.0f, size.width));
    item->setScaleY(kButtonHeight / std::max(1.0f, size.height));
    item->setCascadeOpacityEnabled(true);
    item->setPosition(ccp(x, 0));
    menu->addChild(item);
    CCLabelBMFont* title = CCLabelBMFont::create(caption.c_str(), "Chinese.fnt");
    if (title) {
        title->setPosition(ccp(size.width / 2, size.height / 2 + 2 / item->getScaleY()));
        item->addChild(title);
        fitCaption(item, title);
    }
    if (label) *label = title;
    return item;
}

void CSliderLayer::fitCaption(CCNode* button, CCLabelBMFont* caption) {
    // The caption sits inside the stretched button; undo the stretch, then shrink long texts to fit.
    const CCSize text = caption->getContentSize();
    float scale = std::min(1.0f, 22 / std::max(1.0f, text.height));
    scale = std::min(scale, (kButtonWidth - 14) / std::max(1.0f, text.width));
    caption->setScaleX(scale / button->getScaleX());
    caption->setScaleY(scale / button->getScaleY());
}

bool CSliderLayer::initSlider(int) {
    if (!CCLayer::init()) return false;
    m_panel = CCNode::create();
    m_panel->setPosition(ccp(kClosedX, 0));
    addChild(m_panel);

    CCSprite* background = Pictures::sprite("common_alphaBg.png");
    background->setAnchorPoint(ccp(1, 0.5f));
    background->setScaleX(470 / std::max(1.0f, background->getContentSize().width));
    background->setScaleY(70 / std::max(1.0f, background->getContentSize().height));
    background->setPosition(ccp(kArrowX + 6, 0));
    m_panel->addChild(background);

    CCMenu* menu = CCMenu::create();
    menu->setPosition(CCPointZero);
    m_panel->addChild(menu, 1);
    SoundManager& sound = SoundManager::instance();
    m_musicButton = addButton(menu, "common_btn.png", kButtonX[0], menu_selector(CSliderLayer::onMusic), &m_musicText,
                              text(sound.isMusicOn() ? "MusicOff" : "Music"));
    m_soundButton = addButton(menu, "common_btn.png", kButtonX[1], menu_selector(CSliderLayer::onSound), &m_soundText,
                              text(sound.isEffectsOn() ? "SoundOff" : "Sound"));
    addButton(menu, "common_btn2.png", kButtonX[2], menu_selector(CSliderLayer::onShare), nullptr, text("Share"));
    addButton(menu, "common_btn2.png", kButtonX[3], menu_selector(CSliderLayer::onContact), nullptr, text("ContectUs"));
    showMusic(sound.isMusicOn());
    showSound(sound.isEffectsOn());

    CCSprite* star = Pictures::sprite("stars.png");
    star->setScale(0.45f);
    star->setPosition(ccp(kArrowX + 20, 20));
    m_panel->addChild(star, 3);
    // Points left (close) at scale x 1 and right (open) when mirrored; the panel starts closed.
    m_arrow = Pictures::sprite("common_sliderBtn.png");
    m_arrow->setScaleX(-1);
    CCMenuItemSprite* arrowItem = CCMenuItemSprite::create(m_arrow, nullptr, this, menu_selector(CSliderLayer::toggle));
    // A menu item pins its picture by the corner; mirrored that way the arrow would leave the screen.
    m_arrow->setAnchorPoint(ccp(0.5f, 0.5f));
    m_arrow->setPosition(ccp(arrowItem->getContentSize().width / 2, arrowItem->getContentSize().height / 2));
    arrowItem->setPosition(ccp(kArrowX, 0));
    menu->addChild(arrowItem, 2);
    return true;
}

void CSliderLayer::toggle(CCObject*) {
    // The flag says which way the next press goes; it flips as the move starts.
    const bool opening = m_open;
    m_open = !m_open;
    m_panel->stopAllActions();
    m_panel->runAction(CCMoveTo::create(0.8f, ccp(opening ? kOpenX : kClosedX, 0)));
    if (m_arrow) m_arrow->setScaleX(opening ? 1 : -1);
}

void CSliderLayer::showSound(bool on) {
    if (m_soundButton) m_soundButton->setOpacity(on ? 255 : 100);
    m_soundCaption = text(on ? "SoundOff" : "Sound");
    if (m_soundText) {
        m_soundText->setString(m_soundCaption.c_str());
        fitCaption(m_soundButton, m_soundText);
    }
}

void CSliderLayer::showMusic(bool on) {
    if (m_musicButton) m_musicButton->setOpacity(on ? 255 : 100);
    m_musicCaption = text(on ? "MusicOff" : "Music");
    if (m_musicText) {
        m_musicText->setString(m_musicCaption.c_str());
        fitCaption(m_musicButton, m_musicText);
    }
}


void CSliderLayer::onSound(CCObject*) {
    SoundManager& sound = SoundManager::instance();
    const bool on = !sound.isEffectsOn();
    sound.setEffectsOn(on);
    sound.setEffectsVolume(on ? 1.0f : 0.0f);
    showSound(on);
}

void CSliderLayer::onMusic(CCObject*) {
    SoundManager& sound = SoundManager::instance();
    const bool on = !sound.isMusicOn();
    sound.setMusicOn(on);
    sound.setMusicVolume(on ? 1.0f : 0.0f);
    if (on) sound.playMusic("bgMusic_main.mp3");
    showMusic(on);
}

void CSliderLayer::onShare(CCObject*) {
    if (kDeviceKind != 3 && m_delegate) {
        m_delegate->share();
        return;
    }
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    if (!scene || scene->getChildByTag(kShareBoxTag)) return;
    CMyMessageBox* box = CMyMessageBox::create("", text("ShareTip"), text("gotoDownLoad"), text("waitNext"), "",
                                               this, 0, callfunc_selector(CSliderLayer::openGamePage), nullptr,
                                               nullptr, nullptr, false);
    if (!box) return;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    scene->addChild(box, 99, kShareBoxTag);
}

void CSliderLayer::openGamePage() { Platform::current().openUrl(text("gameUrl")); }

void CSliderLayer::onContact(CCObject*) {
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    if (!scene || scene->getChildByTag(kContactTag)) return;
    if (CContactPage* page = CContactPage::create()) scene->addChild(page, 150, kContactTag);
}
