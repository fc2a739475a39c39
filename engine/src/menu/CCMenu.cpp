#include "menu/CCMenu.h"

#include <cstdarg>

#include "base/CCConsole.h"
#include "director/CCDirector.h"
#include "menu/CCMenuItem.h"
#include "touch/CCTouch.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d {

CCMenu* CCMenu::create()
{
    return createWithArray(nullptr);
}

CCMenu* CCMenu::create(CCMenuItem* item, ...)
{
    CCArray* items = CCArray::create();
    va_list args;
    va_start(args, item);
    for (CCMenuItem* i = item; i; i = va_arg(args, CCMenuItem*))
        items->addObject(i);
    va_end(args);
    return createWithArray(items);
}

CCMenu* CCMenu::createWithItem(CCMenuItem* item)
{
    return create(item, nullptr);
}

CCMenu* CCMenu::createWithArray(CCArray* items)
{
    auto* menu = new CCMenu();
    if (!menu->initWithArray(items)) {
        delete menu;
        return nullptr;
    }
    menu->autorelease();
    return menu;
}

bool CCMenu::init()
{
    return initWithArray(nullptr);
}

bool CCMenu::initWithArray(CCArray* items)
{
    if (!CCLayerRGBA::init())
        return false;
    setTouchPriority(kCCMenuHandlerPriority);
    setTouchMode(kCCTouchesOneByOne);
    setTouchEnabled(true);
    m_enabled = true;
    const CCSize win = CCDirector::sharedDirector()->getWinSize();
    ignoreAnchorPointForPosition(true);
    setAnchorPoint(CCPoint(0.5f, 0.5f));
    setContentSize(win);
    setPosition(CCPoint(win.width / 2, win.height / 2));
    if (items)
        for (unsigned i = 0; i < items->count(); ++i)
            addChild(static_cast<CCNode*>(items->objectAtIndex(i)), static_cast<int>(i));
    m_selectedItem = nullptr;
    m_state = kCCMenuStateWaiting;
    setCascadeColorEnabled(true);
    setCascadeOpacityEnabled(true);
    return true;
}

void CCMenu::addChild(CCNode* child, int zOrder, int tag)
{
    if (!dynamic_cast<CCMenuItem*>(child)) {
        CCLog("CCMenu: only menu items can be children");
        return;
    }
    CCLayerRGBA::addChild(child, zOrder, tag);
}

void CCMenu::removeChild(CCNode* child, bool cleanup)
{
    if (child && child == m_selectedItem)
        m_selectedItem = nullptr;
    CCLayerRGBA::removeChild(child, cleanup);
}

void CCMenu::onExit()
{
    if (m_state == kCCMenuStateTrackingTouch) {
        if (m_selectedItem) {
            m_selectedItem->unselected();
            m_selectedItem = nullptr;
        }
        m_state = kCCMenuStateWaiting;
    }
    CCLayerRGBA::onExit();
}

void CCMenu::registerWithTouchDispatcher()
{
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, getTouchPriority(), true);
}

void CCMenu::setHandlerPriority(int newPriority)
{
    CCDirector::sharedDirector()->getTouchDispatcher()->setPriority(newPriority, this);
}

CCMenuItem* CCMenu::itemForTouch(CCTouch* touch)
{
    const CCPoint location = touch->getLocation();
    if (!m_children)
        return nullptr;
    for (unsigned i = 0; i < m_children->count(); ++i) {
        auto* item = dynamic_cast<CCMenuItem*>(m_children->objectAtIndex(i));
        if (!item || !item->isVisible() || !item->isEnabled())
            continue;
        const CCPoint local = item->convertToNodeSpace(location);
        CCRect r = item->rect();
        r.origin = CCPointZero;
        if (r.containsPoint(local))
            return item;
    }
    return nullptr;
}

bool CCMenu::ccTouchBegan(CCTouch* touch, CCEvent*)
{
    if (m_state != kCCMenuStateWaiting || !m_visible || !m_enabled)
        return false;
    for (CCNode* c = m_parent; c; c = c->getParent())
        if (!c->isVisible())
            return false;
    m_selectedItem = itemForTouch(touch);
    if (!m_selectedItem)
        return false;
    m_state = kCCMenuStateTrackingTouch;
    m_selectedItem->selected();
    return true;
}

void CCMenu::ccTouchEnded(CCTouch*, CCEvent*)
{
    if (m_state != kCCMenuStateTrackingTouch)
        return;
    // Keep the item alive through its own callback, which may remove the menu.
    CCMenuItem* item = m_selectedItem;
    m_state = kCCMenuStateWaiting;
    if (item) {
        item->retain();
        item->unselected();
        item->activate();
        item->release();
    }
}

void CCMenu::ccTouchCancelled(CCTouch*, CCEvent*)
{
    if (m_state != kCCMenuStateTrackingTouch)
        return;
    if (m_selectedItem)
        m_selectedItem->unselected();
    m_state = kCCMenuStateWaiting;
}

void CCMenu::ccTouchMoved(CCTouch* touch, CCEvent*)
{
    if (m_state != kCCMenuStateTrackingTouch)
        return;
    CCMenuItem* current = itemForTouch(touch);
    if (current != m_selectedItem) {
        if (m_selectedItem)
            m_selectedItem->unselected();
        m_selectedItem = current;
        if (m_selectedItem)
            m_selectedItem->selected();
    }
}

} // namespace cocos2d
