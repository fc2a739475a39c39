// What both halls work out the same way: the day's counts, the ask-confirmation text, the boxes
// they put up and the player as the other side sees them.
#pragma once

#include "net/ResponseRecords.h"

#include "cocos2d.h"

#include <string>

namespace hall_rules {

// The schedule entry of the match type; an empty one (all counts 0) when the server sent none.
MatchSchedule scheduleEntry(int matchType);
// Contests of the day that cost money: the most minus the free ones.
int paidCount(const MatchSchedule& entry);
// The contests left today as the enter answer told, capped where the hall stops counting.
int remainingCount();
constexpr int kMostCounted = 100;

// The text of the ask confirmation for `remaining` contests left; empty key = no contest left.
std::string askText(int remaining, const MatchSchedule& entry, bool* canAsk);

// A message box with "sure" (and "cancel" when onCancel or withCancel) centred on the window, added to
// parent at z; returns it (null when it cannot be made).
cocos2d::CCNode* showBox(cocos2d::CCNode* parent, const std::string& message, cocos2d::CCObject* target,
                         cocos2d::SEL_CallFunc onSure, bool withCancel = false,
                         cocos2d::SEL_CallFunc onCancel = nullptr, int z = 100, int tag = -1,
                         const std::string& title = "", const char* sureKey = "sure",
                         const char* cancelKey = "cancel");

// The rules box of an explanation ui id, titled with the rules ribbon.
void showRules(cocos2d::CCNode* parent, int uiId);

// A "simhei.ttf" caption on the middle of a layout button, added to the hall.
void captionButton(cocos2d::CCNode* hall, cocos2d::CCNode* button, const std::string& key);
constexpr int kCaptionZ = 10;

// The player's own id and nickname as requests carry them.
std::string ownSessionId();
std::string ownNickname();

} // namespace hall_rules
