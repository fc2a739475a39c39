// Listen and choose (voice play type 1): the clip plays under its play and pause buttons, and the
// options wait below it, all four at once or one at a time.
#pragma once

#include "quiz/CVoiceQuestionLayer.h"

class CVoiceChooseLayer : public CVoiceQuestionLayer {
public:
    static CVoiceChooseLayer* create();
    bool init() override;
    void showQuestion() override;
};
