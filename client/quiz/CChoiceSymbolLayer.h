// Punctuation (text play type 13): the sentence in cells with blanks where marks belong, and the
// offered marks below. A mark tapped while a blank is marked sends a copy flying there, so one
// mark can fill several blanks; the whole sentence goes out once no blank is empty.
#pragma once

#include "quiz/CQuestionLayer.h"

#include <vector>

class CTxtCell;

class CChoiceSymbolLayer : public CQuestionLayer {
public:
    static CChoiceSymbolLayer* create();
    bool init() override;
    void showQuestion() override;

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void handleTouch(const cocos2d::CCPoint& point);

    static constexpr int kMaxCells = 36;
    static constexpr int kRowLength = 12;
    // Two rows of eight fit under the sentence.
    static constexpr int kMaxCandidates = 16;
    static constexpr int kMaskTag = 100000;

    const std::vector<CTxtCell*>& cells() const { return m_cells; }
    const std::vector<CTxtCell*>& candidates() const { return m_candidates; }
    bool isBlank(int i) const { return m_blank[static_cast<std::size_t>(i)]; }
    CTxtCell* markedCell() const { return m_marked; }
    cocos2d::CCSprite* highlight() const { return m_highlight; }
    // The copy on its way to the marked blank, or null.
    CTxtCell* flyingCopy() const { return m_copy; }

private:
    void clear();
    void mark(CTxtCell* cell);
    bool markFirstEmpty();
    void onArrived();

    std::vector<CTxtCell*> m_cells;
    std::vector<bool> m_blank;
    std::vector<CTxtCell*> m_candidates;
    cocos2d::CCSprite* m_highlight = nullptr;
    CTxtCell* m_marked = nullptr;
    CTxtCell* m_copy = nullptr;
    bool m_submitted = false;
};
