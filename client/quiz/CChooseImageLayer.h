// Choose the picture (picture play types 8 and 9): the answers are pictures, two large or four
// small; the player taps one and "A" to "D" goes to the server.
#pragma once

#include "quiz/CPictureQuestionLayer.h"

#include <vector>

class CChooseImageLayer : public CPictureQuestionLayer {
public:
    static CChooseImageLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    const std::vector<CImageView*>& pictures() const { return m_pictures; }

private:
    std::vector<CImageView*> m_pictures;
    bool m_submitted = false;
};
