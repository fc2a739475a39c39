// Up to four option buttons for the current question, in one of four placements; tapping option k
// calls back with k. Writes the question text to the host's tip line.
#pragma once

#include "cocos2d.h"

class CAddAnswerMenu : public cocos2d::CCLayer {
public:
    // Placements: 0 text choice (2 x 2), 1 voice choice (2 x 2), 2 video choice (a column, no
    // letters), 3 picture choice (a column beside the picture).
    static CAddAnswerMenu* create(cocos2d::CCObject* target, cocos2d::SEL_CallFuncI callback, int layoutMode);

    cocos2d::CCMenu* menu() const { return m_menu; }
    cocos2d::CCMenuItemSprite* item(int k) const { return m_items[k]; }
    cocos2d::CCLabelTTF* label(int k) const { return m_labels[k]; }
    cocos2d::CCSprite* letter(int k) const { return m_letters[k]; }

    static constexpr int kOptionCount = 4;

private:
    bool initMenu(cocos2d::CCObject* target, cocos2d::SEL_CallFuncI callback, int layoutMode);
    void onItem(cocos2d::CCObject* sender);
    void place(int layoutMode, int answerCount);

    cocos2d::CCObject* m_target = nullptr;
    cocos2d::SEL_CallFuncI m_callback = nullptr;
    cocos2d::CCMenu* m_menu = nullptr;
    cocos2d::CCMenuItemSprite* m_items[kOptionCount] = {};
    cocos2d::CCLabelTTF* m_labels[kOptionCount] = {};
    cocos2d::CCSprite* m_letters[kOptionCount] = {};
};
