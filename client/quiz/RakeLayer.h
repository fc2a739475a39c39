// Memory cards (picture play type 3): four pictures, each on two cards, dealt face down in two
// rows. A tapped card shows its picture for a moment; tapping the twin of the card tapped just
// before it keeps both open. When the fourth pair is open "0" goes to the server.
#pragma once

#include "quiz/CPictureQuestionLayer.h"

#include <vector>

class RakeLayer : public CPictureQuestionLayer {
public:
    struct Card {
        CImageView* picture = nullptr;
        cocos2d::CCSprite* back = nullptr;
        int pair = 0;
        bool found = false;
    };

    static RakeLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // In place order: cards()[i] lies at placeOf(i).
    const std::vector<Card>& cards() const { return m_cards; }
    static cocos2d::CCPoint placeOf(int i);
    int pairsFound() const { return m_pairsFound; }

    // Shared by every memory-card screen of the process: taps are accepted, and the open card's
    // back returns after the glimpse.
    static bool acceptsTaps() { return s_acceptTaps; }
    static bool turnsBack() { return s_turnBack; }

    static constexpr int kPairs = 4;
    static constexpr float kGlimpseSeconds = 0.3f;

private:
    void turnBack();

    std::vector<Card> m_cards;
    int m_previous = -1;
    int m_open = -1;
    int m_pairs = 0;
    int m_pairsFound = 0;
    bool m_submitted = false;

    static bool s_acceptTaps;
    static bool s_turnBack;
};
