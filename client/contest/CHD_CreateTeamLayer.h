// The create-team dialog over the team list: the name box, two hint lines, "create" and close.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CInputBox;

class CHD_CreateTeamLayer : public cocos2d::CCLayer {
public:
    static CHD_CreateTeamLayer* create();
    bool init() override;

    void onCreateAnswer(int code);
    void onRequestFailed(int) {}

    cocos2d::extension::UIWidget* widget(const char* name) const;
    CInputBox* nameBox() const { return m_nameBox; }
    // What "create" does with the typed name.
    void submit();
    void close();

    // Bytes the box takes: six three-byte characters, or more letters than a name may have, so the
    // check on "create" (not the box) tells the player what a name may be.
    static constexpr int kMostTypedBytes = 18;
    // Above the team list's buttons, below the message boxes.
    static constexpr int kTouchPriority = -30;

private:
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void addHints();
    void closeToList();

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    CInputBox* m_nameBox = nullptr;
};
