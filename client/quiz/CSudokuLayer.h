// The character board (text play type 2): 4 rows of 8 cells with walls and blanks, filled from 24
// candidate characters. The player marks a blank and taps a candidate, which flies there; when
// no blank is left empty the blanks' characters go out in board order.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <string>
#include <vector>

class CTxtCell;

class CSudokuLayer : public CQuestionLayer {
public:
    static CSudokuLayer* create();
    bool init() override;
    void showQuestion() override;
    void onExit() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // The touch-ended rules at a point of this layer.
    void handleTouch(const cocos2d::CCPoint& point);

    static constexpr int kColumns = 8;
    static constexpr int kRows = 4;
    static constexpr int kBoardCells = kColumns * kRows;
    static constexpr int kCandidates = 24;

    CTxtCell* gridCell(int i) const { return m_grid[static_cast<std::size_t>(i)]; }
    CTxtCell* candidate(int j) const { return m_candidates[static_cast<std::size_t>(j)]; }
    bool isBlank(int i) const { return m_blank[static_cast<std::size_t>(i)]; }
    CTxtCell* markedCell() const { return m_marked; }
    cocos2d::CCSprite* highlight() const { return m_highlight; }
    bool isBusy() const { return m_busy; }

    static cocos2d::CCPoint boardPosition(int i);
    static cocos2d::CCPoint candidatePosition(int j);

private:
    void mark(CTxtCell* cell);
    void markFirstEmpty();
    void flyToMarked(CTxtCell* candidate);
    void onArrived();
    void setPauseEnabled(bool enabled);

    std::vector<CTxtCell*> m_grid;
    std::vector<bool> m_blank;
    std::vector<CTxtCell*> m_candidates;
    cocos2d::CCSprite* m_highlight = nullptr;
    CTxtCell* m_marked = nullptr;
    CTxtCell* m_flying = nullptr;
    cocos2d::CCPoint m_home;
    bool m_busy = false;
    bool m_submitted = false;
};
