// The reward moment: a carrot pops, flies to a header number and fades, while that number counts up
// from what the player had to the new total (the answer already updated the total). Kinds 2 and 3
// only count, without a carrot.
#pragma once

#include "cocos2d.h"

class AddCarrot : public cocos2d::CCLayer {
public:
    enum Kind { kMoneyCarrot = 0, kScoreCarrot = 1, kMoneyCount = 2, kScoreCount = 3 };

    static AddCarrot* create(int amount, int kind, cocos2d::CCLabelBMFont* target);
    virtual bool init(int amount, int kind, cocos2d::CCLabelBMFont* target);
    ~AddCarrot() override;

    // The size of the next count-up step for what is still to count.
    static int scoreStep(int counter);
    static int moneyStep(int counter);

    int scoreCounter() const { return m_scoreCounter; }
    int moneyCounter() const { return m_moneyCounter; }
    cocos2d::CCSprite* carrot() const { return m_carrot; }

    static constexpr float kStepSeconds = 0.02f;

private:
    using cocos2d::CCLayer::init;
    void countUp(float dt);
    void showTotal();
    void arrived();
    int total() const;

    cocos2d::CCLabelBMFont* m_target = nullptr; // retained
    int m_kind = 0;
    int m_amount = 0;
    int m_scoreCounter = 0, m_moneyCounter = 0;
    bool m_counting = false;
    cocos2d::CCSprite* m_carrot = nullptr;
    cocos2d::CCLabelTTF* m_plusLabel = nullptr;
};
