#include "menu/CCMenuItem.h"

namespace cocos2d {

CCMenuItem::CCMenuItem() = default;
CCMenuItem::~CCMenuItem() = default;

CCMenuItem* CCMenuItem::create()
{
    return create(nullptr, nullptr);
}

CCMenuItem* CCMenuItem::create(CCObject* target, SEL_MenuHandler selector)
{
    auto* item = new CCMenuItem();
    item->initWithTarget(target, selector);
    item->autorelease();
    return item;
}

bool CCMenuItem::initWithTarget(CCObject* target, SEL_MenuHandler selector)
{
    CCNodeRGBA::init();
    setAnchorPoint(CCPoint(0.5f, 0.5f));
    setCascadeColorEnabled(true);
    setCascadeOpacityEnabled(true);
    m_listener = target;
    m_selector = selector;
    m_enabled = true;
    m_selected = false;
    return true;
}

CCRect CCMenuItem::rect()
{
    return CCRect(m_position.x - m_contentSize.width * m_anchorPoint.x,
                  m_position.y - m_contentSize.height * m_anchorPoint.y, m_contentSize.width, m_contentSize.height);
}

void CCMenuItem::selected()
{
    m_selected = true;
}

void CCMenuItem::unselected()
{
    m_selected = false;
}

void CCMenuItem::activate()
{
    if (m_enabled && m_listener && m_selector)
        (m_listener->*m_selector)(this);
}

void CCMenuItem::setTarget(CCObject* target, SEL_MenuHandler selector)
{
    m_listener = target;
    m_selector = selector;
}

} // namespace cocos2d
