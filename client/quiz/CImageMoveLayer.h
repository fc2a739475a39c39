// The shell game (picture play type 14): a carrot shows on one of four cards, the cards turn face
// down and change places in quick pairs, and the player taps the card that hides the carrot:
// "right" for it, "0" for any other.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <vector>

class CImageMoveLayer : public CQuestionLayer {
public:
    static CImageMoveLayer* create();
    bool init() override;
    void showQuestion() override;
    // Pauses the deal while the verdict is up and lets it go on afterwards.
    void setAnswered(bool answered) override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // The cards in the order they were dealt; each moves, the list does not.
    const std::vector<cocos2d::CCNode*>& cards() const { return m_cards; }
    cocos2d::CCNode* carrotCard() const { return m_cards.empty() ? nullptr : m_cards[m_carrot]; }
    // The place (0 to 3, left to right) each card stands on after the swaps so far.
    int placeOfCard(int card) const { return m_placeOf[static_cast<std::size_t>(card)]; }
    static cocos2d::CCPoint placeCentre(int place);
    int swapsPlanned() const { return m_swapsPlanned; }
    int swapsDone() const { return m_swapsDone; }
    float lastSwapSeconds() const { return m_swapSeconds; }
    bool isFaceDown() const { return m_faceDown; }
    // The swaps are over and a tap counts.
    bool isWaitingForTap() const { return m_waiting; }

    static constexpr int kCards = 4;
    static constexpr float kShowSeconds = 3.0f;
    static constexpr float kBeforeSwapsSeconds = 1.5f;
    static constexpr float kSwapEvery = 0.35f;

private:
    void turnFaceDown();
    void startSwaps();
    void swapOnce();
    void swapsOver();

    std::vector<cocos2d::CCNode*> m_cards;
    std::vector<cocos2d::CCSprite*> m_faces;
    std::vector<cocos2d::CCSprite*> m_backs;
    std::vector<int> m_placeOf;
    cocos2d::CCSprite* m_carrotSprite = nullptr;
    int m_carrot = 0;
    int m_swapsPlanned = 0, m_swapsDone = 0;
    float m_swapSeconds = 0;
    bool m_faceDown = false;
    bool m_waiting = false;
    bool m_submitted = false;
};
