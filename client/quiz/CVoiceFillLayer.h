// Listen and write (voice play type 2): the clip plays beside its play and pause buttons, and the
// player spells what was said from 24 candidate characters. A cover keeps the cells untouched until
// the clip is here.
#pragma once

#include "quiz/CFillCellLayer.h"
#include "quiz/CVoiceQuestionLayer.h"

class CVoiceFillLayer : public CVoiceQuestionLayer, public fillCellLayerDelegate {
public:
    static CVoiceFillLayer* create();
    bool init() override;
    void showQuestion() override;

    void onFillCellComplete(const std::string& text) override;

    CFillCellLayer* cells() const { return m_cells; }

private:
    CFillCellLayer* m_cells = nullptr;
};
