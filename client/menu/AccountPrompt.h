// The box a reward screen shows to a player whose rewards are not kept: no account at all (offer to
// register) or a guest login (offer the user screen). Registered players get none.
#pragma once

#include "cocos2d.h"

class CMyMessageBox;

class AccountPrompt : public cocos2d::CCObject {
public:
    // Adds the box to parent at (480, 320) and returns it; null when none is due. noAccountKey is
    // the screen's own text for a player without an account.
    static CMyMessageBox* showIfDue(cocos2d::CCNode* parent, const char* noAccountKey, int z);

    static constexpr int kBoxTag = 1101;

private:
    static AccountPrompt* instance();
    void openRegistration();
    void openUserScreen();
};
