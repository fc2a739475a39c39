// What both halls work out the same way: the day's counts, the ask-confirmation text, the boxes
// they put up and the player as the other side sees them.
#pragma once

#include "net/ResponseRecords.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <json/value.h>

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

// A notice with "sure" only that closes itself; the boxes the halls answer refusals with.
void showNotice(cocos2d::CCNode* parent, const std::string& message, int z);

// Shows the ask confirmation for `remaining` contests: a plain notice when none is left, else a
// box whose "sure" calls onSure on target.
void askToPlay(cocos2d::CCNode* hall, int remaining, int matchType, cocos2d::CCObject* target,
               cocos2d::SEL_CallFunc onSure, int z);

// The rules box of an explanation ui id, titled with the rules ribbon.
void showRules(cocos2d::CCNode* parent, int uiId);

// A "simhei.ttf" caption on the middle of a layout button, added to the hall.
void captionButton(cocos2d::CCNode* hall, cocos2d::CCNode* button, const std::string& key);
constexpr int kCaptionZ = 10;

// Both halls share one layout ("backbtn", "challengebtn", "rankbtn", "insturctionbtn"): makes them
// touchable and sends their touches to handler on target; hallName goes into the log line of a
// button the layout lacks.
void wireButtons(cocos2d::extension::UILayer* root, cocos2d::CCObject* target,
                 cocos2d::extension::SEL_TouchEvent handler, const char* hallName);
// The name of the layout button a touch ended on; empty for any other touch.
std::string endedButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
// The buttons that do the same in both halls: "rankbtn" opens the rank scene, "insturctionbtn" the
// rules of uiId. False for any other name.
bool openSharedButton(cocos2d::CCNode* hall, const std::string& name, int rulesUiId);

// A "common_btn.png" menu item with a captioned key, as the challenge popups carry them.
cocos2d::CCMenuItemSprite* popupButton(const char* key, cocos2d::CCObject* target,
                                       cocos2d::SEL_MenuHandler action);
// "HDDoublesTimeSurplus" filled with the seconds left to answer a challenge.
std::string countdownText(int seconds);
// Whole seconds left of a window of `window` seconds opened at `openedAt` on the hall's clock; a
// long stall (the window was in the background) lands on 0, never below it.
int secondsLeft(int window, double clock, double openedAt);

// Adds the searching cover at tag unless one is already up.
void coverSearch(cocos2d::CCNode* hall, int tag, int z);
// The contest has begun: keeps the opponent the push names and puts the face-off of kind on hall.
void startFaceOff(cocos2d::CCNode* hall, int kind, const Json::Value& push, int z);

// The player's own id and nickname as requests carry them.
std::string ownSessionId();
std::string ownNickname();
// The name the player sees for himself: the nickname, else the user name he logged in with.
std::string ownShownName();

} // namespace hall_rules
