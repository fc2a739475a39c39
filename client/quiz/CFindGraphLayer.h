// Spot the difference (picture play type 6): two pictures side by side; the player taps the places
// where they differ. A found difference is outlined on both pictures; a tap on a picture that hits
// no difference costs time. "0" goes to the server once every difference is found.
#pragma once

#include "quiz/CPictureQuestionLayer.h"
#include "quiz/QuestionRecord.h"

#include <vector>

class CSSRect;

class CFindGraphLayer : public CPictureQuestionLayer {
public:
    static CFindGraphLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // The touch-ended rules at a point of this layer.
    void handleTouch(const cocos2d::CCPoint& point);

    // 0 left (the question text's picture), 1 right (the "img" picture); null when unnamed.
    CImageView* picture(int side) const { return m_pictures[side]; }
    // Difference k on the given picture, in this layer's coordinates.
    cocos2d::CCRect differenceOnScreen(int side, std::size_t k) const;
    const std::vector<AnswerRect>& differences() const { return m_rects; }
    const std::vector<CSSRect*>& outlines() const { return m_outlines; }
    int leftToFind() const { return m_leftToFind; }

    static constexpr float kPictureSide = 400;
    static constexpr int kPictureZ = 100;
    static constexpr int kCoverZ = 101;
    static constexpr int kOutlineZ = 200;
    static constexpr int kMissZ = 201;
    static constexpr float kMissSeconds = 0.2f;

private:
    // The picture's own size in pixels: its decoded file, else the other picture's, else the view.
    cocos2d::CCSize sourceSize(int side) const;
    void markFound(std::size_t k);
    void showMiss(const cocos2d::CCPoint& point);
    void showCount();

    CImageView* m_pictures[2] = {nullptr, nullptr};
    std::vector<AnswerRect> m_rects;
    std::vector<bool> m_found;
    std::vector<CSSRect*> m_outlines;
    int m_leftToFind = 0;
    bool m_submitted = false;
};
