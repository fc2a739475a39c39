// The verdict on an answer: right or wrong, the explanation, what the answer earned (flown to the
// header by AddCarrot), an optional advertisement, and two buttons: the next question, and
// registration or the main menu. Laid out around (0, 0); the caller centres it on the window.
#pragma once

#include "widgets/CMessageBox.h"

#include <string>

class AnswerBox : public CMessageBox {
public:
    // onNext is the "NextQuestion" button; onOther the left one ("Registration" for a player without
    // a user name, else "ReturnMain").
    static AnswerBox* create(const std::string& title, cocos2d::CCObject* target, cocos2d::SEL_CallFunc onNext,
                             cocos2d::SEL_CallFunc onOther);
    bool init(const std::string& title, const std::string& message, cocos2d::CCObject* target,
              cocos2d::SEL_CallFunc onOther, cocos2d::SEL_CallFunc onNext) override;

    // The chosen option's link replaces the answer's advertisement link.
    void setJumpLink(const std::string& url, const std::string& apkName);
    void openAd(cocos2d::CCObject* sender);

    bool hasAdBlock() const { return m_hasAd; }
    const std::string& adUrl() const { return m_adUrl; }
    const std::string& apkName() const { return m_apkName; }
    cocos2d::CCNode* background() const { return m_background; }
    cocos2d::CCSprite* titleBand() const { return m_titleBand; }
    cocos2d::CCMenu* adMenu() const { return m_adMenu; }

    static constexpr int kAdButtonPriority = -1390;

private:
    void buildAdBlock();
    void startRewards();
    void playRewardSound();

    std::string m_adUrl, m_apkName;
    bool m_hasAd = false;
    int m_lastRewardKind = -1;
    cocos2d::CCNode* m_background = nullptr;
    cocos2d::CCSprite* m_titleBand = nullptr;
    cocos2d::CCMenu* m_adMenu = nullptr;
};
