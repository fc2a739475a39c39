// Scene 28, the challenge hall: challenge the king, or, being the king, answer the challengers
// within 30 s each.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <json/value.h>

#include <string>

class CHD_ChallengeLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CHD_ChallengeLayer* create();
    bool init() override;
    void onEnter() override;
    void onExit() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void keyBackClicked() override;

    bool onPush(const Json::Value& push);

    void onEnterAnswer(int code);
    void onChallengeAnswer(int code);
    void onRequestFailed(int) {}

    int isKing() const { return m_isKing; }
    int pendingCountdown() const { return m_pending; }
    cocos2d::CCLayer* popup() const { return m_popup; }
    cocos2d::CCLabelTTF* countdownText() const { return m_countdown; }
    cocos2d::CCLabelTTF* messageText() const { return m_message; }
    cocos2d::extension::UIWidget* widget(const char* name) const;

    void refuse(cocos2d::CCObject* sender = nullptr);
    void accept(cocos2d::CCObject* sender = nullptr);

    static constexpr int kSearchCoverTag = 10086;
    static constexpr int kAnswerWindow = 30;
    static constexpr float kNoKingSeconds = 30.0f;

private:
    void wireButtons();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void buildPopup();
    void confirmChallenge();
    void startChallenge();
    void noKing();
    void endSearch();
    void showChallenge(const Json::Value& push);
    void slidePopup(bool in);
    void popupTick(float dt);
    void answer(int act);
    void contestBegins(const Json::Value& push);
    void clockTick(float dt) { m_clock += dt; }

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    int m_pending = -1;
    int m_isKing = 0;
    std::string m_challengerName, m_challengerId;
    double m_challengeAt = 0, m_clock = 0;
    cocos2d::CCLayer* m_popup = nullptr;
    cocos2d::CCSprite* m_picture = nullptr;
    cocos2d::CCMenu* m_menu = nullptr;
    cocos2d::CCLabelTTF* m_countdown = nullptr;
    cocos2d::CCLabelTTF* m_message = nullptr;
    bool m_popupUp = false;
    bool m_facingOff = false;
};
