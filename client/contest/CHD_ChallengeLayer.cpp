#include "contest/CHD_ChallengeLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/ContestPushRouter.h"
#include "contest/HallRules.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMatchType = 3;
constexpr int kContestHallScene = 21;
constexpr int kCoverZ = 110000, kPopupZ = 10000, kFaceOffZ = 200000, kBoxZ = 100000;
constexpr int kRulesUiId = 6;
// The popup rests below the window; the rabbit beside it peeks up when a challenge comes.
constexpr float kPopupRise = 180, kPictureRise = 80;
const CCPoint kPopupRest(0, -180);
const CCPoint kPictureRest(190, 120);

} // namespace

CCScene* CHD_ChallengeLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CHD_ChallengeLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CHD_ChallengeLayer* CHD_ChallengeLayer::create() {
    auto* layer = new CHD_ChallengeLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_ChallengeLayer::Create Error!");
    return nullptr;
}

UIWidget* CHD_ChallengeLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

bool CHD_ChallengeLayer::init() {
    if (!CCLayer::init()) return false;
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, -1);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_VS.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("challenge hall: PK_VS.ExportJson cannot be read");
    }
    if (UIWidget* title = widget("pkvstitle")) title->setVisible(false);
    if (UIWidget* title = widget("pkchallengetitle")) title->setOpacity(255);
    for (const char* name : {"huluobo", "jinluobo", "pkvsmessagebtn", "countbg"}) {
        if (UIWidget* w = widget(name)) w->setVisible(false);
    }
    wireButtons();
    hall_rules::captionButton(this, widget("rankbtn"), "HDChallengeRank");
    hall_rules::captionButton(this, widget("insturctionbtn"), "HDChallengeInsturction");
    buildPopup();
    m_pending = -1;
    schedule(schedule_selector(CHD_ChallengeLayer::clockTick));
    schedule(schedule_selector(CHD_ChallengeLayer::popupTick), 0.5f);
    return true;
}

void CHD_ChallengeLayer::wireButtons() {
    hall_rules::wireButtons(m_uiRoot, this, toucheventselector(CHD_ChallengeLayer::onButton), "challenge hall");
}

void CHD_ChallengeLayer::onButton(CCObject* sender, TouchEventType type) {
    const std::string name = hall_rules::endedButton(sender, type);
    if (name == "backbtn") {
        keyBackClicked();
    } else if (name == "challengebtn") {
        confirmChallenge();
    } else {
        hall_rules::openSharedButton(this, name, kRulesUiId);
    }
}

void CHD_ChallengeLayer::buildPopup() {
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    m_popup = CCLayer::create();
    m_popup->setPosition(kPopupRest);
    addChild(m_popup, kPopupZ);
    if (CCSprite* bg = CCSprite::create("common_alertBg.png")) {
        bg->setScaleX(0.67f);
        bg->setScaleY(0.16f);
        bg->setPosition(ccp(size.width / 2 + 60, 100));
        m_popup->addChild(bg);
    }
    m_message = CCLabelTTF::create("", "simhei.ttf", 35);
    m_message->setColor(ccc3(60, 40, 20));
    m_message->setPosition(ccp(size.width / 2 - 60, 125));
    m_message->setScale(0.8f);
    m_popup->addChild(m_message, 1);
    m_countdown = CCLabelTTF::create(hall_rules::countdownText(kAnswerWindow).c_str(), "simhei.ttf", 40);
    m_countdown->setColor(ccc3(200, 60, 30));
    m_countdown->setScale(0.7f);
    m_countdown->setPosition(ccp(size.width / 2 - 60, 78));
    m_popup->addChild(m_countdown, 1);
    CCMenuItemSprite* cancel = hall_rules::popupButton("cancel", this, menu_selector(CHD_ChallengeLayer::refuse));
    CCMenuItemSprite* sure = hall_rules::popupButton("sure", this, menu_selector(CHD_ChallengeLayer::accept));
    m_menu = CCMenu::create();
    m_menu->setPosition(CCPointZero);
    if (cancel) {
        // Side by side right of the message, clear of each other and of the popup's edge.
        cancel->setPosition(ccp(size.width / 2 + 190, 100));
        m_menu->addChild(cancel);
    }
    if (sure) {
        sure->setPosition(ccp(size.width / 2 + 330, 100));
        m_menu->addChild(sure);
    }
    m_menu->setEnabled(false);
    m_popup->addChild(m_menu, 2);
    m_picture = CCSprite::create("tuzi1.png");
    if (m_picture) {
        m_picture->setScale(0.4f);
        m_picture->setPosition(kPictureRest);
        // Only seen while a challenge waits: it rises over the popup's corner with it.
        m_picture->setVisible(false);
        addChild(m_picture, kPopupZ + 1);
    }
}

void CHD_ChallengeLayer::onEnter() {
    CCLayer::onEnter();
    ContestPushRouter::setHallHandler(this, [this](const Json::Value& push) { return onPush(push); });
    NetManager::instance().setHeartbeatInterval(1.0f);
    RequestCatalogue::matchPresence(1, kMatchType, Busy::Yes,
                                    {this, net_selector(CHD_ChallengeLayer::onEnterAnswer),
                                     net_selector(CHD_ChallengeLayer::onRequestFailed)});
}

void CHD_ChallengeLayer::onExit() {
    ContestPushRouter::clearHallHandler(this);
    CCLayer::onExit();
}

void CHD_ChallengeLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CHD_ChallengeLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CHD_ChallengeLayer::keyBackClicked() {
    // The face-off leads into play; the contest has begun and there is no way back from here.
    if (m_facingOff) return;
    // Leaving does not wait for the server: the hall is gone whatever it answers.
    RequestCatalogue::matchPresence(2, kMatchType, Busy::Yes, {});
    SceneDirector::instance().switchTo(kContestHallScene);
}

void CHD_ChallengeLayer::onEnterAnswer(int code) {
    if (code == 2) m_isKing = GameData::instance().isKing;
}

void CHD_ChallengeLayer::confirmChallenge() {
    if (m_isKing != 0) {
        hall_rules::showNotice(this, LocalText::instance().text("HDKingCanNotChallenge"), kBoxZ);
        return;
    }
    hall_rules::askToPlay(this, hall_rules::remainingCount(), kMatchType, this,
                          callfunc_selector(CHD_ChallengeLayer::startChallenge), kBoxZ);
}

void CHD_ChallengeLayer::startChallenge() {
    hall_rules::coverSearch(this, kSearchCoverTag, kCoverZ);
    runAction(CCSequence::create(CCDelayTime::create(kNoKingSeconds),
                                 CCCallFunc::create(this, callfunc_selector(CHD_ChallengeLayer::noKing)), nullptr));
    RequestCatalogue::challenge(0, hall_rules::ownSessionId(), hall_rules::ownNickname(), kMatchType,
                                {this, net_selector(CHD_ChallengeLayer::onChallengeAnswer),
                                 net_selector(CHD_ChallengeLayer::onRequestFailed)});
}

void CHD_ChallengeLayer::endSearch() {
    removeChildByTag(kSearchCoverTag);
    stopAllActions();
}

void CHD_ChallengeLayer::noKing() {
    removeChildByTag(kSearchCoverTag);
    hall_rules::showNotice(this, LocalText::instance().text("HDNoWisdomKing"), kBoxZ);
}

void CHD_ChallengeLayer::onChallengeAnswer(int code) {
    const char* key = nullptr;
    switch (code) {
    case 2: key = "HDNoWisdomKing"; break;
    case 3: key = "HDMoneyNEnough"; break;
    case 4: key = "bisaijinxingzhong"; break;
    default: return;
    }
    endSearch();
    hall_rules::showNotice(this, LocalText::instance().text(key), kBoxZ);
}

bool CHD_ChallengeLayer::onPush(const Json::Value& push) {
    if (JsonRead::intOf(push, "system") != 28) return false;
    switch (JsonRead::intOf(push, "act")) {
    case 0:
        if (m_pending <= 0 && !m_facingOff) showChallenge(push);
        return true;
    case 3:
        contestBegins(push);
        return true;
    default:
        return false;
    }
}

void CHD_ChallengeLayer::showChallenge(const Json::Value& push) {
    m_challengeAt = m_clock;
    m_challengerName = JsonRead::textOf(push, "name");
    m_challengerId = JsonRead::textOf(push, "challenge");
    m_message->setString((m_challengerName + LocalText::instance().text("HDDoublesThrowDownTheChallenge")).c_str());
    m_pending = kAnswerWindow;
    m_countdown->setString(hall_rules::countdownText(m_pending).c_str());
    m_menu->setEnabled(true);
    slidePopup(true);
}

void CHD_ChallengeLayer::slidePopup(bool in) {
    if (in == m_popupUp) return;
    m_popupUp = in;
    const float sign = in ? 1.0f : -1.0f;
    m_popup->runAction(CCMoveBy::create(1.0f, ccp(0, sign * kPopupRise)));
    if (m_picture == nullptr) return;
    CCMoveBy* move = CCMoveBy::create(1.0f, ccp(0, sign * kPictureRise));
    if (in) {
        m_picture->setVisible(true);
        m_picture->runAction(move);
    } else {
        m_picture->runAction(CCSequence::create(move, CCHide::create(), nullptr));
    }
}

void CHD_ChallengeLayer::popupTick(float) {
    if (m_pending > 0) {
        m_countdown->setString(hall_rules::countdownText(m_pending).c_str());
        m_pending = hall_rules::secondsLeft(kAnswerWindow, m_clock, m_challengeAt);
    } else if (m_pending == 0) {
        refuse();
    }
}

void CHD_ChallengeLayer::answer(int act) {
    if (m_pending < 0) return;
    m_pending = -1;
    m_menu->setEnabled(false);
    slidePopup(false);
    // The server knows the challenge by the challenger's id, whichever way it is answered.
    RequestCatalogue::challenge(act, m_challengerId, m_challengerName, kMatchType, {});
}

void CHD_ChallengeLayer::refuse(CCObject*) { answer(2); }

void CHD_ChallengeLayer::accept(CCObject*) { answer(1); }

void CHD_ChallengeLayer::contestBegins(const Json::Value& push) {
    if (m_facingOff) return;
    m_facingOff = true;
    endSearch();
    hall_rules::startFaceOff(this, CHD_LoadingLayer::kChallenge, push, kFaceOffZ);
}
