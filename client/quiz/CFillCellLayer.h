// The answer-cell widget: a row of empty cells and 24 candidate characters; the player marks a cell
// and taps candidates to fill it, and the finished text goes to the owner once.
#pragma once

#include "cocos2d.h"

#include <string>
#include <vector>

class CTxtCell;

class fillCellLayerDelegate {
public:
    virtual ~fillCellLayerDelegate() = default;
    // Every answer cell holds a character; the text is their characters in order.
    virtual void onFillCellComplete(const std::string& text) = 0;
};

class CFillCellLayer : public cocos2d::CCLayer {
public:
    static CFillCellLayer* create(int answerLength, const std::string& candidates, fillCellLayerDelegate* delegate,
                                  int layout, int columns);

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // The touch-ended rules at a point of this layer (the touch handler, and tests).
    void handleTouch(const cocos2d::CCPoint& point);

    const std::vector<CTxtCell*>& answerCells() const { return m_answerCells; }
    const std::vector<CTxtCell*>& candidateCells() const { return m_candidateCells; }
    CTxtCell* markedCell() const { return m_marked; }
    cocos2d::CCSprite* highlight() const { return m_highlight; }
    bool isReported() const { return m_reported; }

    static constexpr int kCandidateCount = 24;
    // An answer longer than the candidates could never be completed; longer lengths are cut to this.
    static constexpr int kMaxAnswerLength = kCandidateCount;

    // The candidate text's characters: a byte below 0x80 is one, any other byte begins one of three.
    static std::vector<std::string> splitCharacters(const std::string& text);

private:
    bool initCells(int answerLength, const std::string& candidates, fillCellLayerDelegate* delegate, int layout,
                   int columns);
    void mark(CTxtCell* cell);
    void checkComplete();

    fillCellLayerDelegate* m_delegate = nullptr;
    std::string m_candidateText;
    int m_answerLength = 0, m_layout = 0, m_columns = 0;
    std::vector<CTxtCell*> m_answerCells;
    std::vector<CTxtCell*> m_candidateCells;
    CTxtCell* m_marked = nullptr;
    cocos2d::CCSprite* m_highlight = nullptr;
    bool m_reported = false;
};
