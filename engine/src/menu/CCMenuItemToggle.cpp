#include "menu/CCMenuItemToggle.h"

#include <cstdarg>

namespace cocos2d {

namespace {
const int kCurrentItem = 0xc0c05001;
}

CCMenuItemToggle::~CCMenuItemToggle()
{
    CC_SAFE_RELEASE(m_subItems);
}

CCMenuItemToggle* CCMenuItemToggle::createWithTarget(CCObject* target, SEL_MenuHandler selector, CCMenuItem* item, ...)
{
    CCArray* items = CCArray::create();
    va_list args;
    va_start(args, item);
    for (CCMenuItem* i = item; i; i = va_arg(args, CCMenuItem*))
        items->addObject(i);
    va_end(args);
    return createWithTarget(target, selector, items);
}

CCMenuItemToggle* CCMenuItemToggle::createWithTarget(CCObject* target, SEL_MenuHandler selector, CCArray* items)
{
    auto* t = new CCMenuItemToggle();
    t->initWithTarget(target, selector, items);
    t->autorelease();
    return t;
}

CCMenuItemToggle* CCMenuItemToggle::create(CCMenuItem* item)
{
    CCArray* items = CCArray::create();
    if (item)
        items->addObject(item);
    return createWithTarget(nullptr, nullptr, items);
}

bool CCMenuItemToggle::initWithTarget(CCObject* target, SEL_MenuHandler selector, CCArray* items)
{
    CCMenuItem::initWithTarget(target, selector);
    m_subItems = CCArray::create();
    m_subItems->retain();
    if (items)
        for (unsigned i = 0; i < items->count(); ++i)
            m_subItems->addObject(items->objectAtIndex(i));
    m_selectedIndex = UINT_MAX;
    setSelectedIndex(0);
    return true;
}

void CCMenuItemToggle::addSubItem(CCMenuItem* item)
{
    if (item)
        m_subItems->addObject(item);
    if (m_subItems->count() == 1)
        setSelectedIndex(0);
}

CCMenuItem* CCMenuItemToggle::selectedItem()
{
    if (m_selectedIndex >= m_subItems->count())
        return nullptr;
    return static_cast<CCMenuItem*>(m_subItems->objectAtIndex(m_selectedIndex));
}

void CCMenuItemToggle::setSelectedIndex(unsigned int index)
{
    if (index == m_selectedIndex || index >= m_subItems->count())
        return;
    m_selectedIndex = index;
    if (CCNode* current = getChildByTag(kCurrentItem))
        current->removeFromParentAndCleanup(false);
    CCMenuItem* item = selectedItem();
    addChild(item, 0, kCurrentItem);
    const CCSize size = item->getContentSize();
    setContentSize(size);
    item->setPosition(CCPoint(size.width / 2, size.height / 2));
}

void CCMenuItemToggle::activate()
{
    if (m_enabled && m_subItems->count() > 0)
        setSelectedIndex((m_selectedIndex + 1) % m_subItems->count());
    CCMenuItem::activate();
}

void CCMenuItemToggle::selected()
{
    CCMenuItem::selected();
    if (CCMenuItem* item = selectedItem())
        item->selected();
}

void CCMenuItemToggle::unselected()
{
    CCMenuItem::unselected();
    if (CCMenuItem* item = selectedItem())
        item->unselected();
}

void CCMenuItemToggle::setEnabled(bool enabled)
{
    if (m_enabled != enabled) {
        CCMenuItem::setEnabled(enabled);
        for (unsigned i = 0; i < m_subItems->count(); ++i)
            static_cast<CCMenuItem*>(m_subItems->objectAtIndex(i))->setEnabled(enabled);
    }
}

} // namespace cocos2d
