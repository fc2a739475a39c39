// Choose the text for a picture (picture play types 7 and 13): the picture on the left, the options
// on the right. Play type 13 hides the picture under a scratch card; how much the player scratched
// and whether the hidden carrot was uncovered go to the server with the answer.
#pragma once

#include "quiz/CPictureQuestionLayer.h"
#include "quiz/QuestionRecord.h"

#include <vector>

class CImageChooseTextLayer : public CPictureQuestionLayer {
public:
    static CImageChooseTextLayer* create();
    bool init() override;
    void showQuestion() override;

    // The option presenters' callback.
    void onOption(int k);

    void registerWithTouchDispatcher() override;
    void ccTouchesMoved(cocos2d::CCSet* touches, cocos2d::CCEvent* event) override;
    void ccTouchesEnded(cocos2d::CCSet* touches, cocos2d::CCEvent* event) override;

    // One point of a moving finger, in this layer's space: a brush on the card (the touch handler,
    // and tests).
    void scratchAt(const cocos2d::CCPoint& point);
    // A finger lifted: the scratch count is measured again.
    void measureScratch();

    int scratchCount() const { return m_scratchCount; }
    int coverPointsLeft() const { return static_cast<int>(m_coverPoints.size()); }
    int collectedAward() const { return m_collectedAward; }
    cocos2d::CCSprite* awardIcon() const { return m_awardIcon; }
    cocos2d::CCClippingNode* scratchCard() const { return m_card; }
    const cocos2d::CCPoint& pictureCentre() const { return m_pictureCentre; }

    static constexpr int kCardTag = 100;
    static constexpr int kCardZ = 20;
    static constexpr float kPictureSide = 400;
    static constexpr int kGridSide = 11;
    static constexpr float kGridStep = 40;

private:
    void buildScratchCard(const ImageQuestion& image);

    bool m_scratchable = false;
    bool m_submitted = false;
    bool m_awardCollected = false;
    int m_scratchCount = 0;
    int m_collectedAward = 0;
    int m_awardToCollect = 0;
    cocos2d::CCPoint m_pictureCentre;
    cocos2d::CCClippingNode* m_card = nullptr;
    cocos2d::CCNode* m_strokes = nullptr;
    cocos2d::CCSprite* m_awardIcon = nullptr;
    std::vector<cocos2d::CCPoint> m_coverPoints;
};
