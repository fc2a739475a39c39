#include "widgets/CListMenu.h"

USING_NS_CC;
USING_NS_CC_EXT;

CListMenu* CListMenu::create(CCMenuItem* item, CCScrollView* list) {
    auto* menu = new CListMenu;
    if (menu->init()) {
        menu->autorelease();
        if (item) menu->addChild(item);
        menu->m_list = list;
        return menu;
    }
    delete menu;
    CCLog("Fun CListMenu::Create Error!");
    return nullptr;
}

bool CListMenu::insideList(CCScrollView* list, const CCPoint& world) {
    if (list == nullptr) return true;
    const CCPoint local = list->convertToNodeSpace(world);
    const CCSize view = list->getViewSize();
    return local.x >= 0 && local.y >= 0 && local.x <= view.width && local.y <= view.height;
}

bool CListMenu::ccTouchBegan(CCTouch* touch, CCEvent* event) {
    if (!insideList(m_list, touch->getLocation())) return false;
    return CCMenu::ccTouchBegan(touch, event);
}
