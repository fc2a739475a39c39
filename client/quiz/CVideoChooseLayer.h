// Watch and choose (video play type 1): the film plays in the video window on the left, the options
// stand in a column on the right, or come one at a time.
#pragma once

#include "quiz/CVideoQuestionLayer.h"

class CVideoChooseLayer : public CVideoQuestionLayer {
public:
    static CVideoChooseLayer* create();
    bool init() override;
    void showQuestion() override;
};
