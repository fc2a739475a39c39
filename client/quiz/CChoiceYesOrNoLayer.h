// Yes or no (text play type 1): the question in the tip line and two buttons, "yes" and "no".
#pragma once

#include "quiz/CQuestionLayer.h"

class CChoiceYesOrNoLayer : public CQuestionLayer {
public:
    static CChoiceYesOrNoLayer* create();
    bool init() override;
    void showQuestion() override;

    cocos2d::CCMenuItemSprite* button(int k) const { return m_buttons[k]; }

private:
    void onButton(cocos2d::CCObject* sender);

    cocos2d::CCMenuItemSprite* m_buttons[2] = {};
    cocos2d::CCLabelTTF* m_labels[2] = {};
    bool m_submitted = false;
};
