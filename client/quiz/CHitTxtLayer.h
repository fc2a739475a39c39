// Catch the characters (text play type 3): the sentence shows for a moment, then its characters
// and some decoys fall; tapping a falling character that belongs to an empty target sends it
// there. Three wrong taps are forgiven, the fourth loses; catching every character sends the
// sentence.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <vector>

class CTxtCell;

class CHitTxtLayer : public CQuestionLayer {
public:
    static CHitTxtLayer* create();
    bool init() override;
    void showQuestion() override;
    // Falling characters stand still while the verdict is up.
    void setAnswered(bool answered) override;
    void update(float dt) override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void handleTouch(const cocos2d::CCPoint& point);

    static constexpr int kChances = 3;
    static constexpr int kTargetsPerRow = 20;
    static constexpr float kShownLow = 175;
    static constexpr float kShownHigh = 500;
    // Fade in, stay, fade out.
    static constexpr float kIntroSeconds = 0.3f + 5.0f + 0.8f;

    const std::vector<CTxtCell*>& targets() const { return m_targets; }
    // The falling characters, in their falling order.
    const std::vector<CTxtCell*>& items() const { return m_items; }
    // Shown and free to be tapped.
    bool isItemShown(int i) const;
    int chances() const { return m_chances; }
    cocos2d::CCLabelBMFont* chanceLabel() const { return m_chanceLabel; }
    cocos2d::CCLabelTTF* introLabel() const { return m_intro; }

private:
    void clear();
    void startFalling();
    void catchItem(int item, CTxtCell* target);
    void missItem(int item);
    void onItemArrived(cocos2d::CCNode* item);
    void submitCaught();

    std::vector<CTxtCell*> m_targets;
    std::vector<CTxtCell*> m_items;
    std::vector<bool> m_caught;
    cocos2d::CCNode* m_clip = nullptr;
    cocos2d::CCLabelBMFont* m_chanceLabel = nullptr;
    cocos2d::CCLabelTTF* m_intro = nullptr;
    int m_chances = kChances;
    bool m_falling = false;
    // Every target has its character on the way: nothing more to tap.
    bool m_complete = false;
    bool m_submitted = false;
};
