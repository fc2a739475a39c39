#include "contest/HallRules.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/TextFormat.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"

#include <algorithm>

USING_NS_CC;

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

std::string ownSessionId() { return UserSession::instance().sessionId(); }

std::string ownNickname() { return GameData::instance().user.nickname; }

} // namespace hall_rules
