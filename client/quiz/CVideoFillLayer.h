// Watch and write (video play type 2): the film plays in the video window, and the player spells
// what it showed from 24 candidate characters beside it. A cover keeps the cells untouched until
// the film is here.
#pragma once

#include "quiz/CFillCellLayer.h"
#include "quiz/CVideoQuestionLayer.h"

class CVideoFillLayer : public CVideoQuestionLayer, public fillCellLayerDelegate {
public:
    static CVideoFillLayer* create();
    bool init() override;
    void showQuestion() override;

    void onFillCellComplete(const std::string& text) override;

    CFillCellLayer* cells() const { return m_cells; }

private:
    CFillCellLayer* m_cells = nullptr;
};
