#include "extensions/gui/UIListView.h"

#include <algorithm>

namespace cocos2d::extension {

UIListView* UIListView::create()
{
    auto* view = new UIListView();
    if (view->init()) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

UIListView::~UIListView()
{
    for (UIWidget* item : m_items)
        item->release();
}

void UIListView::pushBackCustomItem(UIWidget* item) { insertCustomItem(item, static_cast<int>(m_items.size())); }

void UIListView::insertCustomItem(UIWidget* item, int index)
{
    if (!item || item->getParent())
        return;
    index = std::clamp(index, 0, static_cast<int>(m_items.size()));
    item->retain();
    m_items.insert(m_items.begin() + index, item);
    addChild(item);
    refreshView();
}

void UIListView::removeItem(int index)
{
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return;
    UIWidget* item = m_items[static_cast<std::size_t>(index)];
    m_items.erase(m_items.begin() + index);
    item->removeFromParentAndCleanup(true);
    item->release();
    refreshView();
}

void UIListView::removeLastItem() { removeItem(static_cast<int>(m_items.size()) - 1); }

void UIListView::removeAllItems()
{
    while (!m_items.empty())
        removeLastItem();
}

UIWidget* UIListView::getItem(unsigned int index) const { return index < m_items.size() ? m_items[index] : nullptr; }

CCArray* UIListView::getItems() const
{
    CCArray* items = CCArray::create();
    for (UIWidget* item : m_items)
        items->addObject(item);
    return items;
}

int UIListView::getIndex(UIWidget* item) const
{
    auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void UIListView::setItemsMargin(float margin)
{
    m_margin = margin;
    refreshView();
}

void UIListView::setGravity(ListViewGravity gravity)
{
    m_gravity = gravity;
    refreshView();
}

void UIListView::refreshView()
{
    const bool vertical = m_direction != SCROLLVIEW_DIR_HORIZONTAL;
    float total = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        total += (vertical ? m_items[i]->getSize().height : m_items[i]->getSize().width) + (i ? m_margin : 0);
    CCSize inner = vertical ? CCSize(m_size.width, total) : CCSize(total, m_size.height);
    m_inner->setSize(CCSize(std::max(inner.width, m_size.width), std::max(inner.height, m_size.height)));
    const CCSize box = m_inner->getSize();
    float cursor = vertical ? box.height : 0;
    for (UIWidget* item : m_items) {
        const CCSize s = item->getSize();
        const CCPoint ap = item->getAnchorPoint();
        CCPoint p;
        if (vertical) {
            float x = s.width * ap.x;
            if (m_gravity == LISTVIEW_GRAVITY_RIGHT)
                x = box.width - s.width * (1 - ap.x);
            else if (m_gravity == LISTVIEW_GRAVITY_CENTER_HORIZONTAL)
                x = box.width / 2 - s.width * (0.5f - ap.x);
            p = CCPoint(x, cursor - s.height * (1 - ap.y));
            cursor -= s.height + m_margin;
        } else {
            float y = box.height - s.height * (1 - ap.y);
            if (m_gravity == LISTVIEW_GRAVITY_BOTTOM)
                y = s.height * ap.y;
            else if (m_gravity == LISTVIEW_GRAVITY_CENTER_VERTICAL)
                y = box.height / 2 - s.height * (0.5f - ap.y);
            p = CCPoint(cursor + s.width * ap.x, y);
            cursor += s.width + m_margin;
        }
        item->setPosition(p);
    }
    jumpToTop();
}

} // namespace cocos2d::extension
