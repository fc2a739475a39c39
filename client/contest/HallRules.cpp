#include "contest/HallRules.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "contest/CHD_CoverLayerColor.h"
#include "contest/CHD_LoadingLayer.h"
#include "net/JsonRead.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"

#include <algorithm>
#include <cmath>

USING_NS_CC;
USING_NS_CC_EXT;

namespace hall_rules {

MatchSchedule scheduleEntry(int matchType) {
    for (const MatchSchedule& entry : GameData::instance().matchSchedule) {
        if (entry.matchType == matchType) return entry;
    }
    return MatchSchedule();
}

int paidCount(const MatchSchedule& entry) { return std::max(0, entry.pkMaxCount - entry.pkFreeCount); }

int remainingCount() { return std::clamp(GameData::instance().enableCount, 0, kMostCounted); }

std::string askText(int remaining, const MatchSchedule& entry, bool* canAsk) {
    const LocalText& texts = LocalText::instance();
    *canAsk = remaining > 0;
    if (remaining <= 0) return texts.text("HDDoublesLayerLack");
    if (remaining > paidCount(entry)) return texts.text("HDDoublesLayerTrue");
    return fillText(texts.text("HDDoublesLayerTrueJ"), {std::to_string(entry.delMoney)});
}

CCNode* showBox(CCNode* parent, const std::string& message, CCObject* target, SEL_CallFunc onSure, bool withCancel,
                SEL_CallFunc onCancel, int z, int tag, const std::string& title, const char* sureKey,
                const char* cancelKey) {
    if (parent == nullptr) return nullptr;
    const LocalText& texts = LocalText::instance();
    const bool cancel = withCancel || onCancel != nullptr;
    // A box without a target cannot close: a plain notice closes on its parent, calling nothing.
    CCObject* owner = target ? target : parent;
    // One button sits in the middle; two sit either side of it.
    const std::string sure = texts.text(sureKey);
    CMyMessageBox* box =
        cancel ? CMyMessageBox::create(title, message, sure, "", texts.text(cancelKey), owner, 0, onSure, nullptr,
                                       onCancel, nullptr, false)
               : CMyMessageBox::create(title, message, "", sure, "", owner, 0, nullptr, onSure, nullptr, nullptr,
                                       false);
    if (box == nullptr) {
        ClientLog::write("contest: message box for \"%s\" cannot be made", message.c_str());
        return nullptr;
    }
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    parent->addChild(box, z, tag);
    return box;
}

void showNotice(CCNode* parent, const std::string& message, int z) {
    showBox(parent, message, nullptr, nullptr, false, nullptr, z);
}

void askToPlay(CCNode* hall, int remaining, int matchType, CCObject* target, SEL_CallFunc onSure, int z) {
    bool canAsk = false;
    const std::string text = askText(remaining, scheduleEntry(matchType), &canAsk);
    if (!canAsk) {
        showNotice(hall, text, z);
        return;
    }
    showBox(hall, text, target, onSure, true, nullptr, z);
}

void showRules(CCNode* parent, int uiId) {
    std::string text;
    for (const Explain& explain : GameData::instance().explains) {
        if (explain.uiId == uiId) {
            text = explain.explain;
            break;
        }
    }
    CTipBox* box = CTipBox::create("title_ruleins.png", text, nullptr, nullptr);
    if (box == nullptr) return;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    parent->addChild(box, 100);
}

void captionButton(CCNode* hall, CCNode* button, const std::string& key) {
    if (hall == nullptr || button == nullptr || button->getParent() == nullptr) return;
    CCLabelTTF* caption = CCLabelTTF::create(LocalText::instance().text(key).c_str(), "simhei.ttf", 40);
    if (caption == nullptr) return;
    // On the hall rather than in the widget tree, so the button's own scale leaves the text whole.
    caption->setPosition(button->getParent()->convertToWorldSpace(button->getPosition()));
    caption->setColor(ccc3(255, 255, 255));
    hall->addChild(caption, kCaptionZ);
}

void wireButtons(UILayer* root, CCObject* target, SEL_TouchEvent handler, const char* hallName) {
    for (const char* name : {"backbtn", "challengebtn", "rankbtn", "insturctionbtn"}) {
        UIWidget* w = root ? root->getWidgetByName(name) : nullptr;
        if (w == nullptr) {
            ClientLog::write("%s: no widget %s", hallName, name);
            continue;
        }
        w->setTouchEnabled(true);
        w->addTouchEventListener(target, handler);
    }
}

std::string endedButton(CCObject* sender, TouchEventType type) {
    if (type != TOUCH_EVENT_ENDED) return "";
    auto* w = dynamic_cast<UIWidget*>(sender);
    return w ? w->getName() : "";
}

bool openSharedButton(CCNode* hall, const std::string& name, int rulesUiId) {
    constexpr int kContestRankScene = 24;
    if (name == "rankbtn") {
        SceneDirector::instance().switchTo(kContestRankScene);
    } else if (name == "insturctionbtn") {
        showRules(hall, rulesUiId);
    } else {
        return false;
    }
    return true;
}

CCMenuItemSprite* popupButton(const char* key, CCObject* target, SEL_MenuHandler action) {
    CCSprite* normal = CCSprite::create("common_btn.png");
    CCSprite* pressed = CCSprite::create("common_btn.png");
    if (normal == nullptr || pressed == nullptr) return nullptr;
    pressed->setColor(ccc3(200, 200, 200));
    CCMenuItemSprite* item = CCMenuItemSprite::create(normal, pressed, target, action);
    item->setScale(0.4f);
    if (CCLabelTTF* caption = CCLabelTTF::create(LocalText::instance().text(key).c_str(), "simhei.ttf", 40)) {
        // The item is drawn at 0.4; the caption is laid in its unscaled space.
        caption->setScale(2.0f);
        caption->setPosition(ccp(normal->getContentSize().width / 2, normal->getContentSize().height / 2));
        item->addChild(caption);
    }
    return item;
}

std::string countdownText(int seconds) {
    return fillText(LocalText::instance().text("HDDoublesTimeSurplus"), {std::to_string(seconds)});
}

int secondsLeft(int window, double clock, double openedAt) {
    const int left = window - static_cast<int>(std::trunc(clock - openedAt));
    return left > 0 ? left : 0;
}

void coverSearch(CCNode* hall, int tag, int z) {
    if (hall == nullptr || hall->getChildByTag(tag) != nullptr) return;
    if (CHD_CoverLayerColor* cover = CHD_CoverLayerColor::create(CHD_CoverLayerColor::kSearching)) {
        hall->addChild(cover, z, tag);
    }
}

void startFaceOff(CCNode* hall, int kind, const Json::Value& push, int z) {
    GameData& data = GameData::instance();
    data.opponent.name = JsonRead::textOf(push, "name");
    data.opponent.level = JsonRead::intOf(push, "level");
    data.opponent.qscount = JsonRead::intOf(push, "qscount");
    if (CHD_LoadingLayer* faceOff =
            CHD_LoadingLayer::create(kind, data.user.level, ownShownName(), data.opponent.level, data.opponent.name)) {
        hall->addChild(faceOff, z);
    }
}

std::string ownSessionId() { return UserSession::instance().sessionId(); }

std::string ownNickname() { return GameData::instance().user.nickname; }

std::string ownShownName() {
    const std::string& nickname = GameData::instance().user.nickname;
    return nickname.empty() ? UserSession::instance().userName() : nickname;
}

} // namespace hall_rules
