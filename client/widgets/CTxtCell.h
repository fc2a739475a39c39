// A 75 x 75 cell holding one character on a coloured tile (normal, dark or gold), for the character
// grids. The cell's position is its centre.
#pragma once

#include "cocos2d.h"

#include <string>
#include <vector>

class CTxtCell : public cocos2d::CCNode {
public:
    static CTxtCell* create();
    ~CTxtCell() override;
    bool init() override;

    enum State { kNormal = 0, kDark = 1, kGold = 2 };
    // Other values change nothing.
    void setState(int state);
    int state() const { return m_state; }

    // A lone "&" is kept doubled: the label shows it as the character players expect.
    void setText(const std::string& text);
    const std::string& text() const { return m_text; }
    // The character as given, for answers: a doubled "&" is one "&" again.
    std::string character() const { return m_text == "&&" ? "&" : m_text; }
    void setTextShown(bool shown);
    // Decides now; the label follows after `delay` seconds, if the cell is still meant to show it then.
    void showTextLater(bool shown, float delay);
    bool isTextShown() const { return m_textShown; }

    int size() const { return kSize; }
    // True inside the cell's 75 x 75 box, edges included, measured from its truncated corner.
    bool contains(float x, float y) const;

    cocos2d::CCLabelTTF* label() const { return m_label; }
    cocos2d::CCSprite* tile() const { return m_tile; }

    static constexpr int kSize = 75;

private:
    void refreshLabel();
    void refreshLabelLater();

    cocos2d::CCSprite* m_tile = nullptr;
    cocos2d::CCSpriteFrame* m_frames[3] = {nullptr, nullptr, nullptr};
    cocos2d::CCLabelTTF* m_label = nullptr;
    int m_state = kNormal;
    std::string m_text;
    bool m_textShown = true;
};

// Moves a grid's mark to `cell`: the cell marked before (`marked`) goes back to normal, `cell`
// darkens and becomes `marked`, and the highlight frame stands on it.
void markTxtCell(CTxtCell*& marked, CTxtCell* cell, cocos2d::CCNode* highlight);
// A tap on an answer cell: it takes the mark, and the character it held, if any, leaves it and
// shows again among the candidates.
void reopenTxtCell(CTxtCell*& marked, CTxtCell* cell, cocos2d::CCNode* highlight,
                   const std::vector<CTxtCell*>& candidates);
