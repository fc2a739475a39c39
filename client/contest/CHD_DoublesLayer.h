// Scene 23, the one-to-one hall: the contests left today as carrots, asking the server for a
// random opponent, and the popup for a challenge another player sent (30 s to answer).
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <json/value.h>

#include <string>

class CHD_DoublesLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CHD_DoublesLayer* create();
    bool init() override;
    void onEnter() override;
    void onExit() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void keyBackClicked() override;

    // A "system" 28 push while the hall is on stage; true when it was one of the hall's.
    bool onPush(const Json::Value& push);

    void onEnterAnswer(int code);
    void onLeaveAnswer(int code);
    void onAskAnswer(int code);
    void onGiveUpAnswer(int code);
    void onGiveUpFailed(int status);
    void onAcceptAnswer(int code);
    void onRequestFailed(int) {}

    int remaining() const { return m_remaining; }
    int pendingCountdown() const { return m_pending; }
    cocos2d::CCNode* iconLayer() { return getChildByTag(kIconLayerTag); }
    cocos2d::CCNode* popup() { return getChildByTag(kPopupTag); }
    cocos2d::CCMenu* popupMenu();
    cocos2d::CCLabelTTF* countdownText();
    cocos2d::CCLabelTTF* messageText();
    cocos2d::extension::UIWidget* widget(const char* name) const;

    // Node tags the hall finds its parts by.
    static constexpr int kLayoutTag = 1000, kPopupMenuTag = 1001, kPopupBgTag = 1002, kSlidingPictureTag = 1003,
                         kPopupTag = 1004, kCountdownTag = 1005, kMessageTag = 1006, kIconLayerTag = 1007,
                         kEnterCoverTag = 1008, kSearchCoverTag = 1009, kPayBoxTag = 1010;
    static constexpr int kAnswerWindow = 30;
    static constexpr float kGiveUpSeconds = 40.0f;

    // Menu item actions (also what a tap on them runs).
    void refuse(cocos2d::CCObject* sender = nullptr);
    void accept(cocos2d::CCObject* sender = nullptr);

private:
    void wireButtons();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void buildPopup();
    void drawIcons();
    void askForOpponent();
    void startSearch();
    void giveUp();
    void removeSearchCover();
    void endSearch();
    void showChallenge(const Json::Value& push);
    void slidePopup(bool in);
    void popupTick(float dt);
    void sendAcceptance();
    void sendAcceptanceAfterPaying();
    void contestBegins(const Json::Value& push);
    void clockTick(float dt) { m_clock += dt; }

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    int m_pending = -1;
    int m_answerWindow = kAnswerWindow;
    int m_remaining = 0;
    std::string m_challengerName, m_challengerId;
    double m_challengeAt = 0;
    // Game time since the hall was built (engine time: pauses with the game, steps with the tests).
    double m_clock = 0;
    cocos2d::CCPoint m_popupRest, m_pictureRest;
    bool m_facingOff = false;
};
