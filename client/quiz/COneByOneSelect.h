// One option at a time: the option button and a "next" button below it. Tapping the option calls back
// with its index; "next" slides the following option in, and does nothing at the last one. Centred
// on the window; `mode` says where the option sits relative to the centre.
#pragma once

#include "cocos2d.h"

class COneByOneSelect : public cocos2d::CCSprite {
public:
    // Modes: 0 beside a picture (280, 0), 1 centred (0, 0), 2 below a player (0, -120).
    static COneByOneSelect* create(cocos2d::CCObject* target, cocos2d::SEL_CallFuncI callback, int mode);

    void onNextCallBack(cocos2d::CCObject* sender);
    void onOption(cocos2d::CCObject* sender);

    int currentIndex() const { return m_current; }
    cocos2d::CCMenu* optionMenu() const { return m_menu; }
    cocos2d::CCMenuItemSprite* optionItem() const { return m_item; }
    cocos2d::CCLabelTTF* optionLabel() const { return m_label; }
    cocos2d::CCMenuItemSprite* nextButton() const { return m_next; }

    static constexpr int kMenuTag = 1000;
    static constexpr int kItemTag = 1002;
    static constexpr int kLabelTag = 1001;

private:
    bool initSelect(cocos2d::CCObject* target, cocos2d::SEL_CallFuncI callback, int mode);
    void showNextOption();
    void slideDone();
    int answerCount() const;

    int m_mode = 1;
    int m_current = 0;
    cocos2d::CCObject* m_target = nullptr;
    cocos2d::SEL_CallFuncI m_callback = nullptr;
    cocos2d::CCMenu* m_menu = nullptr;
    cocos2d::CCMenuItemSprite* m_item = nullptr;
    cocos2d::CCLabelTTF* m_label = nullptr;
    cocos2d::CCMenuItemSprite* m_next = nullptr;
    cocos2d::CCPoint m_itemHome;
};
