// Sort the characters (text play type 6): the sentence's characters shuffled into cells; tapping
// two cells swaps them. Once the cells read the sentence the sentence goes out.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <string>
#include <vector>

class CTxtCell;

class CSortTxtLayer : public CQuestionLayer {
public:
    static CSortTxtLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void handleTouch(const cocos2d::CCPoint& point);

    static constexpr int kRowLength = 15;
    static constexpr float kSwapSeconds = 0.5f;

    // In reading order: cell i stands at place i.
    const std::vector<CTxtCell*>& cells() const { return m_cells; }
    CTxtCell* markedCell() const { return m_marked; }
    bool isSwapping() const { return m_swapping != nullptr; }
    // The cells' characters joined in reading order.
    std::string reading() const;

private:
    void clear();
    void onSwapped();

    std::vector<CTxtCell*> m_cells;
    CTxtCell* m_marked = nullptr;
    // The tapped cell of the swap under way; the marked one is its partner.
    CTxtCell* m_swapping = nullptr;
    std::string m_sentence;
    bool m_submitted = false;
};
