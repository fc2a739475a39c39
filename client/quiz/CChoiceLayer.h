// The text choice screen (text play types 7 to 11 and 15): the options as a menu of four or one at a
// time. Play type 15 first lets the player smash one of four golden eggs, with the clock stopped,
// and shows the bonus multiple before the options come.
#pragma once

#include "quiz/CQuestionLayer.h"

class CChoiceLayer : public CQuestionLayer {
public:
    static CChoiceLayer* create();
    bool init() override;
    void showQuestion() override;

    // The option presenters' callback.
    void onOption(int k);

    static constexpr int kEggMenuTag = 110;
    static constexpr int kEggMaskTag = 1280;
    static constexpr int kParticlesTag = 1100;
    static constexpr int kEggBoxTag = 1003;

    cocos2d::CCSprite* hammer() const { return m_hammer; }
    cocos2d::CCSprite* crackingEgg() const { return m_crackingEgg; }
    cocos2d::CCMenuItemSprite* egg(int k) const { return m_eggs[k]; }

private:
    void presentOptions();
    void showEggs();
    void onEgg(cocos2d::CCObject* sender);
    void onSwingDone();
    void onCrackDone();
    void onGoOn();

    int m_multiple = 0;
    bool m_submitted = false;
    cocos2d::CCSprite* m_hammer = nullptr;
    cocos2d::CCSprite* m_crackingEgg = nullptr;
    cocos2d::CCMenuItemSprite* m_eggs[4] = {};
};
