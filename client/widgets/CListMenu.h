// A menu for the rows of a scrolling list. A row scrolled half out of the list is still drawn
// only inside it, but its buttons would take touches over whatever stands beside the list (the
// tabs, the header): this menu takes a touch only where the list shows.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

class CListMenu : public cocos2d::CCMenu {
public:
    // list: the scroll view the row lives in; null takes touches anywhere, as a plain menu.
    static CListMenu* create(cocos2d::CCMenuItem* item, cocos2d::extension::CCScrollView* list);

    void setList(cocos2d::extension::CCScrollView* list) { m_list = list; }
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // True when the point (world space) lies inside the list's view.
    static bool insideList(cocos2d::extension::CCScrollView* list, const cocos2d::CCPoint& world);

private:
    cocos2d::extension::CCScrollView* m_list = nullptr; // the list holds the row holding this menu
};
