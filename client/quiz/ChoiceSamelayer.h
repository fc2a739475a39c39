// Find the same picture (picture play type 12): the question's picture on the left, four answer
// pictures on the right; the player taps the one that matches and "A" to "D" goes to the server.
#pragma once

#include "quiz/CPictureQuestionLayer.h"

#include <vector>

class ChoiceSamelayer : public CPictureQuestionLayer {
public:
    static ChoiceSamelayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    CImageView* questionPicture() const { return m_question; }
    const std::vector<CImageView*>& pictures() const { return m_pictures; }

private:
    CImageView* m_question = nullptr;
    std::vector<CImageView*> m_pictures;
    bool m_submitted = false;
};
