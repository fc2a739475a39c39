// Find the different character (text play type 4): twenty cells all showing the question's
// character but one, which shows answer 0; the player taps the one that differs.
#pragma once

#include "quiz/CQuestionLayer.h"

class CTextFindDiffLayer : public CQuestionLayer {
public:
    static CTextFindDiffLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    static constexpr int kColumns = 5;
    static constexpr int kRows = 4;
    cocos2d::CCLabelTTF* cell(int index) const { return m_cells[index]; }

private:
    cocos2d::CCLabelTTF* m_cells[kColumns * kRows] = {};
    bool m_submitted = false;
};
