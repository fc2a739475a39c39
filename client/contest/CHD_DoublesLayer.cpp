#include "contest/CHD_DoublesLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "contest/CHD_CoverLayerColor.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/ContestPushRouter.h"
#include "contest/HallRules.h"
#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMatchType = 1;
constexpr int kContestHallScene = 21;
constexpr int kCoverZ = 110000, kIconZ = 100000, kPopupZ = 10000, kSlidingZ = 100000, kFaceOffZ = 200000;
constexpr int kBoxZ = 100000;
constexpr int kRulesUiId = 4;
// The popup waits below the window and rises onto its lower part.
const CCPoint kPopupShown(0, 0);
const CCPoint kPopupHidden(0, -280);
const CCPoint kPictureShown(165, 160);
const CCPoint kPictureHidden(165, -260);
} // namespace

CCScene* CHD_DoublesLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CHD_DoublesLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CHD_DoublesLayer* CHD_DoublesLayer::create() {
    auto* layer = new CHD_DoublesLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_DoublesLayer::Create Error!");
    return nullptr;
}

UIWidget* CHD_DoublesLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

CCMenu* CHD_DoublesLayer::popupMenu() {
    return popup() ? dynamic_cast<CCMenu*>(popup()->getChildByTag(kPopupMenuTag)) : nullptr;
}

CCLabelTTF* CHD_DoublesLayer::countdownText() {
    return popup() ? dynamic_cast<CCLabelTTF*>(popup()->getChildByTag(kCountdownTag)) : nullptr;
}

CCLabelTTF* CHD_DoublesLayer::messageText() {
    return popup() ? dynamic_cast<CCLabelTTF*>(popup()->getChildByTag(kMessageTag)) : nullptr;
}

bool CHD_DoublesLayer::init() {
    if (!CCLayer::init()) return false;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, -1, kLayoutTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_VS.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("one-to-one hall: PK_VS.ExportJson cannot be read");
    }
    wireButtons();
    hall_rules::captionButton(this, widget("rankbtn"), "HDDoublesRank");
    hall_rules::captionButton(this, widget("insturctionbtn"), "HDDoublesInsturction");

    if (CCLabelTTF* count = CCLabelTTF::create(LocalText::instance().text("HDDoublesChallengeNum").c_str(),
                                               "simhei.ttf", 40)) {
        count->setPosition(ccp(size.width / 2, size.height - 120));
        count->setColor(ccc3(20, 20, 20));
        addChild(count, kIconZ);
    }
    CCLayer* icons = CCLayer::create();
    addChild(icons, kIconZ, kIconLayerTag);
    drawIcons();
    buildPopup();

    if (CHD_CoverLayerColor* cover = CHD_CoverLayerColor::create(CHD_CoverLayerColor::kEntering)) {
        addChild(cover, kCoverZ, kEnterCoverTag);
    }
    schedule(schedule_selector(CHD_DoublesLayer::clockTick));
    schedule(schedule_selector(CHD_DoublesLayer::popupTick), 0.5f);
    return true;
}

void CHD_DoublesLayer::wireButtons() {
    hall_rules::wireButtons(m_uiRoot, this, toucheventselector(CHD_DoublesLayer::onButton), "one-to-one hall");
}

void CHD_DoublesLayer::onButton(CCObject* sender, TouchEventType type) {
    const std::string name = hall_rules::endedButton(sender, type);
    if (name == "backbtn") {
        keyBackClicked();
    } else if (name == "challengebtn") {
        askForOpponent();
    } else {
        hall_rules::openSharedButton(this, name, kRulesUiId);
    }
}

void CHD_DoublesLayer::buildPopup() {
    if (UIWidget* message = widget("pkvsmessagebtn")) message->setVisible(false);
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    CCLayer* layer = CCLayer::create();
    layer->setPosition(kPopupHidden);
    addChild(layer, kPopupZ, kPopupTag);
    if (CCSprite* bg = CCSprite::create("common_alertBg.png")) {
        bg->setScaleX(0.55f);
        bg->setScaleY(0.22f);
        bg->setPosition(ccp(size.width / 2 + 60, 135));
        layer->addChild(bg, 0, kPopupBgTag);
    }
    if (CCLabelTTF* message = CCLabelTTF::create("", "simhei.ttf", 35)) {
        message->setColor(ccc3(60, 40, 20));
        message->setPosition(ccp(size.width / 2 + 60, 195));
        layer->addChild(message, 1, kMessageTag);
    }
    const std::string start = hall_rules::countdownText(kAnswerWindow);
    if (CCLabelTTF* countdown = CCLabelTTF::create(start.c_str(), "simhei.ttf", 30)) {
        countdown->setColor(ccc3(200, 60, 30));
        countdown->setPosition(ccp(size.width / 2 + 60, 150));
        layer->addChild(countdown, 1, kCountdownTag);
    }
    CCMenuItemSprite* cancel = hall_rules::popupButton("cancel", this, menu_selector(CHD_DoublesLayer::refuse));
    CCMenuItemSprite* sure = hall_rules::popupButton("sure", this, menu_selector(CHD_DoublesLayer::accept));
    CCMenu* menu = CCMenu::create();
    for (CCMenuItemSprite* item : {cancel, sure}) {
        if (item) menu->addChild(item);
    }
    menu->setPosition(CCPointZero);
    if (cancel) cancel->setPosition(ccp(size.width / 2 - 40, 80));
    if (sure) sure->setPosition(ccp(size.width / 2 + 160, 80));
    menu->setEnabled(false);
    layer->addChild(menu, 2, kPopupMenuTag);
    m_popupRest = kPopupHidden;

    if (CCSprite* picture = CCSprite::create("tuzi1.png")) {
        picture->setScale(0.5f);
        picture->setPosition(kPictureHidden);
        addChild(picture, kSlidingZ, kSlidingPictureTag);
    }
    m_pictureRest = kPictureHidden;
}

void CHD_DoublesLayer::onEnter() {
    CCLayer::onEnter();
    ContestPushRouter::setHallHandler(this, [this](const Json::Value& push) { return onPush(push); });
    NetManager::instance().setHeartbeatInterval(1.0f);
    RequestCatalogue::matchPresence(1, kMatchType, Busy::Yes,
                                    {this, net_selector(CHD_DoublesLayer::onEnterAnswer),
                                     net_selector(CHD_DoublesLayer::onRequestFailed)});
}

void CHD_DoublesLayer::onExit() {
    ContestPushRouter::clearHallHandler(this);
    CCLayer::onExit();
}

void CHD_DoublesLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CHD_DoublesLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CHD_DoublesLayer::keyBackClicked() {
    // The face-off leads into play; the contest has begun and there is no way back from here.
    if (m_facingOff) return;
    RequestCatalogue::matchPresence(2, kMatchType, Busy::Yes,
                                    {this, net_selector(CHD_DoublesLayer::onLeaveAnswer),
                                     net_selector(CHD_DoublesLayer::onRequestFailed)});
}

void CHD_DoublesLayer::onEnterAnswer(int code) {
    if (code != 2) return; // the entering cover stays and times out by itself
    m_remaining = hall_rules::remainingCount();
    drawIcons();
    removeChildByTag(kEnterCoverTag);
}

void CHD_DoublesLayer::onLeaveAnswer(int code) {
    if (code == 1) SceneDirector::instance().switchTo(kContestHallScene);
}

void CHD_DoublesLayer::drawIcons() {
    CCNode* icons = iconLayer();
    if (icons == nullptr) return;
    icons->removeAllChildrenWithCleanup(true);
    UIWidget* red = widget("huluobo");
    UIWidget* gold = widget("jinluobo");
    for (UIWidget* w : {red, gold}) {
        if (w) w->setVisible(false);
    }
    auto frameOf = [this](const char* name) -> CCSpriteFrame* {
        auto* view = dynamic_cast<UIImageView*>(widget(name));
        auto* sprite = view ? dynamic_cast<CCSprite*>(view->getVirtualRenderer()) : nullptr;
        return sprite ? sprite->displayFrame() : nullptr;
    };
    CCSpriteFrame* paid = frameOf("jinluobo1");
    CCSpriteFrame* free = frameOf("huluobo1");
    const int paidCount = hall_rules::paidCount(hall_rules::scheduleEntry(kMatchType));
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    for (int i = 0; i < m_remaining; ++i) {
        CCSpriteFrame* frame = i < paidCount ? paid : free;
        CCSprite* icon = frame ? CCSprite::createWithSpriteFrame(frame) : CCSprite::create();
        icon->setScale(0.7f);
        icon->setPosition(ccp(size.width / 2 + 250 - 70 * i, size.height - 180));
        icons->addChild(icon, 0, i < paidCount ? 1 : 0);
    }
}

void CHD_DoublesLayer::askForOpponent() {
    hall_rules::askToPlay(this, m_remaining, kMatchType, this, callfunc_selector(CHD_DoublesLayer::startSearch),
                          kBoxZ);
}

void CHD_DoublesLayer::startSearch() {
    hall_rules::coverSearch(this, kSearchCoverTag, kCoverZ);
    drawIcons();
    runAction(CCSequence::create(CCDelayTime::create(kGiveUpSeconds),
                                 CCCallFunc::create(this, callfunc_selector(CHD_DoublesLayer::giveUp)), nullptr));
    RequestCatalogue::challenge(0, hall_rules::ownSessionId(), hall_rules::ownNickname(), kMatchType,
                                {this, net_selector(CHD_DoublesLayer::onAskAnswer),
                                 net_selector(CHD_DoublesLayer::onRequestFailed)});
}

void CHD_DoublesLayer::endSearch() {
    removeChildByTag(kSearchCoverTag);
    stopAllActions();
}

void CHD_DoublesLayer::onAskAnswer(int code) {
    const LocalText& texts = LocalText::instance();
    if (code == 2) {
        ClientLog::write("meiren!");
    } else if (code == 3 || code == 4) {
        hall_rules::showNotice(this, texts.text(code == 3 ? "HDMoneyNEnough" : "bisaijinxingzhong"), kBoxZ);
        endSearch();
    }
}

void CHD_DoublesLayer::giveUp() {
    drawIcons();
    RequestCatalogue::matchPresence(3, kMatchType, Busy::No,
                                    {this, net_selector(CHD_DoublesLayer::onGiveUpAnswer),
                                     net_selector(CHD_DoublesLayer::onGiveUpFailed)});
}

void CHD_DoublesLayer::onGiveUpAnswer(int) {
    // Whatever the server says, the player gets the hall back: a cover that stays would leave no
    // way out but closing the game (a pairing made meanwhile still arrives as its push).
    runAction(CCSequence::create(CCDelayTime::create(5.0f),
                                 CCCallFunc::create(this, callfunc_selector(CHD_DoublesLayer::removeSearchCover)),
                                 nullptr));
}

void CHD_DoublesLayer::onGiveUpFailed(int) { onGiveUpAnswer(0); }

void CHD_DoublesLayer::removeSearchCover() { removeChildByTag(kSearchCoverTag); }

bool CHD_DoublesLayer::onPush(const Json::Value& push) {
    if (JsonRead::intOf(push, "system") != 28) return false;
    switch (JsonRead::intOf(push, "act")) {
    case 0:
        if (m_pending < 1 && !m_facingOff) showChallenge(push);
        return true;
    case 3:
        contestBegins(push);
        return true;
    case 6:
        ClientLog::write("DoublesLayer pkSever mei ren !");
        drawIcons();
        endSearch();
        return true;
    default:
        return false;
    }
}

void CHD_DoublesLayer::showChallenge(const Json::Value& push) {
    m_challengerName = JsonRead::textOf(push, "name");
    m_challengerId = JsonRead::textOf(push, "challenge");
    if (CCMenu* menu = popupMenu()) menu->setEnabled(true);
    m_challengeAt = m_clock;
    if (CCLabelTTF* message = messageText()) {
        message->setString((m_challengerName + LocalText::instance().text("HDDoublesThrowDownTheChallenge")).c_str());
    }
    m_pending = m_answerWindow;
    if (CCLabelTTF* countdown = countdownText()) {
        countdown->setString(hall_rules::countdownText(m_pending).c_str());
    }
    slidePopup(true);
}

void CHD_DoublesLayer::slidePopup(bool in) {
    struct Part {
        CCNode* node;
        CCPoint rest, shown;
    };
    const Part parts[] = {{getChildByTag(kSlidingPictureTag), m_pictureRest, kPictureShown},
                          {popup(), m_popupRest, kPopupShown}};
    for (const Part& part : parts) {
        if (part.node == nullptr) continue;
        part.node->stopAllActions();
        if (in) {
            // A little past its place, then settling back.
            part.node->runAction(CCSequence::create(CCMoveTo::create(0.6f, ccpAdd(part.shown, ccp(0, 20))),
                                                    CCMoveTo::create(0.4f, part.shown), nullptr));
        } else {
            part.node->runAction(CCMoveTo::create(0.6f, part.rest));
        }
    }
}

void CHD_DoublesLayer::popupTick(float) {
    if (m_pending > 0) {
        if (CCLabelTTF* countdown = countdownText()) {
            countdown->setString(hall_rules::countdownText(m_pending).c_str());
        }
        m_pending = hall_rules::secondsLeft(m_answerWindow, m_clock, m_challengeAt);
    } else if (m_pending == 0) {
        refuse();
    }
}

void CHD_DoublesLayer::refuse(CCObject*) {
    if (m_pending < 0) return; // already answered
    m_pending = -1;
    if (CCMenu* menu = popupMenu()) menu->setEnabled(false);
    slidePopup(false);
    RequestCatalogue::challenge(2, m_challengerId, m_challengerName, kMatchType, {});
    removeChildByTag(kPayBoxTag);
}

void CHD_DoublesLayer::accept(CCObject*) {
    if (m_pending < 0) return;
    drawIcons();
    const MatchSchedule entry = hall_rules::scheduleEntry(kMatchType);
    if (m_remaining <= 0) {
        // Nothing to pay for: no contest is left today. The popup stays for the refusal.
        hall_rules::showNotice(this, LocalText::instance().text("HDDoublesLayerLack"), kBoxZ);
        return;
    }
    if (hall_rules::paidCount(entry) < m_remaining) {
        sendAcceptance();
        return;
    }
    if (getChildByTag(kPayBoxTag)) return;
    const std::string text =
        fillText(LocalText::instance().text("HDDoublesLayerOkOK"), {std::to_string(entry.delMoney)});
    hall_rules::showBox(this, text, this, callfunc_selector(CHD_DoublesLayer::sendAcceptanceAfterPaying), true,
                        nullptr, kBoxZ, kPayBoxTag);
}

void CHD_DoublesLayer::sendAcceptance() {
    RequestCatalogue::challenge(1, m_challengerId, m_challengerName, kMatchType,
                                {this, net_selector(CHD_DoublesLayer::onAcceptAnswer),
                                 net_selector(CHD_DoublesLayer::onRequestFailed)});
    m_pending = -1;
    slidePopup(false);
    if (CCMenu* menu = popupMenu()) menu->setEnabled(false);
}

void CHD_DoublesLayer::sendAcceptanceAfterPaying() {
    // The countdown may have run out while the box was open: the challenge is gone by then.
    if (m_pending < 0) return;
    RequestCatalogue::challenge(1, m_challengerId, m_challengerName, kMatchType, {});
    m_pending = -1;
    slidePopup(false);
    if (CCMenu* menu = popupMenu()) menu->setEnabled(false);
}

void CHD_DoublesLayer::onAcceptAnswer(int code) {
    const LocalText& texts = LocalText::instance();
    if (code == 2) {
        ClientLog::write("DoublesLayer pkSever mei ren !");
        drawIcons();
    } else if (code == 3 || code == 4) {
        hall_rules::showNotice(this, texts.text(code == 3 ? "HDMoneyNEnough" : "bisaijinxingzhong"), kBoxZ);
    } else {
        return;
    }
    endSearch();
}

void CHD_DoublesLayer::contestBegins(const Json::Value& push) {
    if (m_facingOff) return;
    m_facingOff = true;
    // The search is over: its cover and its give-up step must not outlive it.
    endSearch();
    hall_rules::startFaceOff(this, CHD_LoadingLayer::kDoubles, push, kFaceOffZ);
}
