// Guess the picture (picture play types 4 and 11): the question's picture on the left and the
// answer cells on the right; the player spells the picture's name from 24 candidate characters and
// the composed text goes to the server.
#pragma once

#include "quiz/CFillCellLayer.h"
#include "quiz/CPictureQuestionLayer.h"

class CImageView;

class CGuessGraphLayer : public CPictureQuestionLayer, public fillCellLayerDelegate {
public:
    static CGuessGraphLayer* create();
    bool init() override;
    void showQuestion() override;

    void onFillCellComplete(const std::string& text) override;

    CImageView* picture() const { return m_picture; }
    // Null when the question's cells were refused.
    CFillCellLayer* cells() const { return m_cells; }

    static constexpr float kPictureSide = 360;

private:
    CImageView* m_picture = nullptr;
    CFillCellLayer* m_cells = nullptr;
    bool m_submitted = false;
};
