// Find the missing colour (picture play type 5): a picture with one part left blank and a row of
// colour squares; tapping a square shows the whole picture and sends that square's colour code.
#pragma once

#include "quiz/CPictureQuestionLayer.h"

#include <vector>

class CGuessColorLayer : public CPictureQuestionLayer {
public:
    static CGuessColorLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // The picture with the blank, then the whole one (either null when its name is missing).
    CImageView* blankPicture() const { return m_blank; }
    CImageView* wholePicture() const { return m_whole; }
    // One per answer, in answer order; null for a code that is no colour.
    const std::vector<cocos2d::CCLayerColor*>& squares() const { return m_squares; }

    // Reads "RRGGBB"; false for anything else.
    static bool parseColour(const std::string& code, cocos2d::ccColor3B& colour);

    static constexpr int kSquareSide = 100;
    static constexpr int kSquareStep = 102;
    static constexpr int kSquaresPerRow = 8;
    static constexpr int kMaxSquares = 2 * kSquaresPerRow;

private:
    CImageView* m_blank = nullptr;
    CImageView* m_whole = nullptr;
    std::vector<cocos2d::CCLayerColor*> m_squares;
    bool m_submitted = false;
};
