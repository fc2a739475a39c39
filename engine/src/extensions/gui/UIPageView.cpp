#include "extensions/gui/UIPageView.h"

#include <algorithm>

namespace cocos2d::extension {

UIPageView* UIPageView::create()
{
    auto* view = new UIPageView();
    if (view->init()) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

bool UIPageView::init()
{
    if (!UILayout::init())
        return false;
    setClippingEnabled(true);
    setTouchEnabled(true);
    return true;
}

void UIPageView::addPage(UILayout* page)
{
    if (!page || page->getParent())
        return;
    page->setSize(m_size);
    addChild(page);
    m_pages.push_back(page);
    placePages();
}

unsigned int UIPageView::getPageCount() const { return static_cast<unsigned int>(m_pages.size()); }
UILayout* UIPageView::getPage(unsigned int index) const { return index < m_pages.size() ? m_pages[index] : nullptr; }

void UIPageView::scrollToPage(int index)
{
    if (m_pages.empty())
        return;
    int target = std::clamp(index, 0, static_cast<int>(m_pages.size()) - 1);
    bool turned = target != m_current;
    m_current = target;
    placePages();
    if (turned && m_target && m_selector)
        (m_target->*m_selector)(this, PAGEVIEW_EVENT_TURNING);
}

void UIPageView::addEventListenerPageView(CCObject* target, SEL_PageViewEvent selector)
{
    m_target = target;
    m_selector = selector;
}

void UIPageView::placePages()
{
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setPosition(CCPoint((static_cast<float>(i) - static_cast<float>(m_current)) * m_size.width, 0));
}

void UIPageView::onSizeChanged()
{
    UILayout::onSizeChanged();
    for (UILayout* page : m_pages)
        page->setSize(m_size);
    placePages();
}

bool UIPageView::onTouchBegan(const CCPoint& touchPoint) { return UILayout::onTouchBegan(touchPoint); }

void UIPageView::onTouchEnded(const CCPoint& touchPoint)
{
    float dx = touchPoint.x - m_touchStart.x;
    UILayout::onTouchEnded(touchPoint);
    if (dx < -m_size.width / 4)
        scrollToPage(m_current + 1);
    else if (dx > m_size.width / 4)
        scrollToPage(m_current - 1);
}

} // namespace cocos2d::extension
