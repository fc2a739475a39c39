// Eliminate (text play type 14): a row of characters, some of which must go. The question's
// "right" is the mask ('0' remove, anything else keep). Removing every cell that must go closes
// the row and sends the mask; touching a cell to keep loses at once.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <string>
#include <vector>

class CTxtCell;

class CEliminateLayer : public CQuestionLayer {
public:
    static CEliminateLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    static constexpr int kCellTagBase = 1000;
    static constexpr int kMaskTag = 100000;
    static constexpr float kPitch = 80;
    static constexpr float kCloseSeconds = 0.7f;
    static constexpr float kSendDelay = 1.0f;

    // The cells still on the board, left to right.
    const std::vector<CTxtCell*>& cells() const { return m_cells; }
    int keepCount() const { return m_keep; }
    bool isClosing() const { return m_closing; }

private:
    void clear();
    CTxtCell* cellAt(const cocos2d::CCPoint& point) const;
    void highlightOnly(CTxtCell* cell);
    bool mustGo(CTxtCell* cell) const;
    void closeRow();
    void sendRight();

    std::vector<CTxtCell*> m_cells;
    std::string m_mask;
    std::string m_right;
    int m_keep = 0;
    CTxtCell* m_touched = nullptr;
    bool m_closing = false;
    bool m_submitted = false;
};
