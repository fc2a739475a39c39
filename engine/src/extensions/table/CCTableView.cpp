#include "extensions/table/CCTableView.h"

#include <algorithm>

#include "touch/CCTouch.h"

namespace cocos2d::extension {

CCTableViewCell* CCTableViewCell::create()
{
    auto* cell = new CCTableViewCell();
    if (cell->init()) {
        cell->autorelease();
        return cell;
    }
    delete cell;
    return nullptr;
}

CCTableView::CCTableView() = default;

CCTableView::~CCTableView()
{
    for (CCTableViewCell* cell : m_used)
        cell->release();
    for (CCTableViewCell* cell : m_free)
        cell->release();
}

CCTableView* CCTableView::create(CCTableViewDataSource* dataSource, CCSize size)
{
    return create(dataSource, size, nullptr);
}

CCTableView* CCTableView::create(CCTableViewDataSource* dataSource, CCSize size, CCNode* container)
{
    auto* table = new CCTableView();
    table->m_dataSource = dataSource;
    if (table->initWithViewSize(size, container)) {
        table->autorelease();
        table->updateCellPositions();
        table->updateContentSize();
        return table;
    }
    delete table;
    return nullptr;
}

bool CCTableView::initWithViewSize(CCSize size, CCNode* container)
{
    if (!CCScrollView::initWithViewSize(size, container))
        return false;
    m_direction = kCCScrollViewDirectionVertical;
    return true;
}

void CCTableView::setDelegate(CCTableViewDelegate* delegate)
{
    m_tableDelegate = delegate;
    CCScrollView::setDelegate(delegate);
}

void CCTableView::setVerticalFillOrder(CCTableViewVerticalFillOrder order)
{
    if (m_fillOrder == order)
        return;
    m_fillOrder = order;
    if (!m_used.empty())
        reloadData();
}

void CCTableView::setDirection(CCScrollViewDirection direction)
{
    CCScrollView::setDirection(direction);
    if (m_dataSource)
        reloadData();
}

void CCTableView::updateCellPositions()
{
    unsigned int count = m_dataSource ? m_dataSource->numberOfCellsInTableView(this) : 0;
    m_positions.assign(count + 1, 0.f);
    float cursor = 0;
    for (unsigned int i = 0; i < count; ++i) {
        m_positions[i] = cursor;
        CCSize size = m_dataSource->tableCellSizeForIndex(this, i);
        cursor += m_direction == kCCScrollViewDirectionHorizontal ? size.width : size.height;
    }
    m_positions[count] = cursor;
}

void CCTableView::updateContentSize()
{
    const float total = m_positions.empty() ? 0 : m_positions.back();
    CCSize size = m_direction == kCCScrollViewDirectionHorizontal ? CCSize(total, m_viewSize.height)
                                                                  : CCSize(m_viewSize.width, total);
    m_container->setContentSize(size);
    // Show the top (or the left) of the content.
    if (m_direction == kCCScrollViewDirectionHorizontal)
        setContentOffset(CCPoint(0, 0));
    else
        setContentOffset(CCPoint(0, minContainerOffset().y));
}

CCPoint CCTableView::offsetFromIndex(unsigned int idx)
{
    const float start = idx < m_positions.size() ? m_positions[idx] : 0;
    if (m_direction == kCCScrollViewDirectionHorizontal)
        return CCPoint(start, 0);
    if (m_fillOrder == kCCTableViewFillTopDown) {
        float height = idx + 1 < m_positions.size() ? m_positions[idx + 1] - start : 0;
        return CCPoint(0, m_container->getContentSize().height - start - height);
    }
    return CCPoint(0, start);
}

unsigned int CCTableView::indexFromDistance(float distance)
{
    const unsigned int count = m_positions.empty() ? 0 : static_cast<unsigned int>(m_positions.size() - 1);
    if (count == 0)
        return 0;
    auto it = std::upper_bound(m_positions.begin(), m_positions.end() - 1, distance);
    unsigned int idx = it == m_positions.begin() ? 0 : static_cast<unsigned int>(it - m_positions.begin() - 1);
    return std::min(idx, count - 1);
}

void CCTableView::placeCell(CCTableViewCell* cell, unsigned int idx)
{
    cell->setAnchorPoint(CCPoint(0, 0));
    cell->setPosition(offsetFromIndex(idx));
    cell->setIdx(idx);
}

void CCTableView::recycle(CCTableViewCell* cell)
{
    if (m_tableDelegate)
        m_tableDelegate->tableCellWillRecycle(this, cell);
    if (m_touched == cell)
        m_touched = nullptr;
    m_free.push_back(cell); // keeps the reference m_used had
    m_container->removeChild(cell, true);
    cell->reset();
}

CCTableViewCell* CCTableView::dequeueCell()
{
    if (m_free.empty())
        return nullptr;
    CCTableViewCell* cell = m_free.front();
    m_free.pop_front();
    cell->autorelease();
    return cell;
}

CCTableViewCell* CCTableView::cellAtIndex(unsigned int idx)
{
    for (CCTableViewCell* cell : m_used)
        if (cell->getIdx() == idx)
            return cell;
    return nullptr;
}

void CCTableView::onScrolled()
{
    // Setting offsets while we lay out must not recurse.
    if (m_inScroll || !m_dataSource || m_positions.size() < 2)
        return;
    m_inScroll = true;
    const unsigned int count = static_cast<unsigned int>(m_positions.size() - 1);
    CCPoint offset = getContentOffset();
    float lo, hi; // visible stretch as distances from where cell 0 starts
    if (m_direction == kCCScrollViewDirectionHorizontal) {
        lo = -offset.x;
        hi = lo + m_viewSize.width;
    } else if (m_fillOrder == kCCTableViewFillTopDown) {
        const float height = m_container->getContentSize().height;
        hi = height + offset.y;
        lo = hi - m_viewSize.height;
    } else {
        lo = -offset.y;
        hi = lo + m_viewSize.height;
    }
    unsigned int first = indexFromDistance(std::max(0.f, lo));
    unsigned int last = indexFromDistance(std::max(0.f, hi - 0.001f));
    if (hi <= 0 || lo >= m_positions.back())
        first = 1, last = 0; // nothing visible

    std::vector<CCTableViewCell*> keep;
    for (CCTableViewCell* cell : m_used) {
        if (cell->getIdx() < first || cell->getIdx() > last || cell->getIdx() >= count)
            recycle(cell);
        else
            keep.push_back(cell);
    }
    m_used.swap(keep);
    for (unsigned int idx = first; idx <= last && idx < count; ++idx) {
        if (cellAtIndex(idx))
            continue;
        CCTableViewCell* cell = m_dataSource->tableCellAtIndex(this, idx);
        if (!cell)
            continue;
        placeCell(cell, idx);
        if (!cell->getParent())
            m_container->addChild(cell);
        cell->retain();
        m_used.push_back(cell);
    }
    std::sort(m_used.begin(), m_used.end(),
              [](CCTableViewCell* a, CCTableViewCell* b) { return a->getIdx() < b->getIdx(); });
    m_inScroll = false;
}

void CCTableView::reloadData()
{
    for (CCTableViewCell* cell : m_used)
        recycle(cell);
    m_used.clear();
    updateCellPositions();
    updateContentSize();
    onScrolled();
}

void CCTableView::updateCellAtIndex(unsigned int idx)
{
    if (!m_dataSource || idx >= m_dataSource->numberOfCellsInTableView(this))
        return;
    if (CCTableViewCell* old = cellAtIndex(idx)) {
        m_used.erase(std::find(m_used.begin(), m_used.end(), old));
        recycle(old);
    }
    onScrolled();
}

void CCTableView::insertCellAtIndex(unsigned int)
{
    // Indices after the insertion point shift: lay everything out again, keeping the offset.
    CCPoint offset = getContentOffset();
    for (CCTableViewCell* cell : m_used)
        recycle(cell);
    m_used.clear();
    updateCellPositions();
    const float total = m_positions.back();
    m_container->setContentSize(m_direction == kCCScrollViewDirectionHorizontal ? CCSize(total, m_viewSize.height)
                                                                                : CCSize(m_viewSize.width, total));
    setContentOffset(offset);
    onScrolled();
}

void CCTableView::removeCellAtIndex(unsigned int idx) { insertCellAtIndex(idx); }

CCTableViewCell* CCTableView::cellUnderTouch(CCTouch* touch)
{
    CCPoint local = m_container->convertTouchToNodeSpace(touch);
    for (CCTableViewCell* cell : m_used) {
        unsigned int idx = cell->getIdx();
        if (idx + 1 >= m_positions.size())
            continue;
        CCSize size = m_dataSource->tableCellSizeForIndex(this, idx);
        CCPoint origin = cell->getPosition();
        if (CCRect(origin.x, origin.y, size.width, size.height).containsPoint(local))
            return cell;
    }
    return nullptr;
}

bool CCTableView::ccTouchBegan(CCTouch* touch, CCEvent* event)
{
    if (!CCScrollView::ccTouchBegan(touch, event))
        return false;
    m_touched = cellUnderTouch(touch);
    if (m_touched && m_tableDelegate)
        m_tableDelegate->tableCellHighlight(this, m_touched);
    return true;
}

void CCTableView::ccTouchMoved(CCTouch* touch, CCEvent* event)
{
    CCScrollView::ccTouchMoved(touch, event);
    if (m_touched && m_touchMoved) {
        if (m_tableDelegate)
            m_tableDelegate->tableCellUnhighlight(this, m_touched);
        m_touched = nullptr;
    }
}

void CCTableView::ccTouchEnded(CCTouch* touch, CCEvent* event)
{
    CCTableViewCell* touched = m_touched;
    m_touched = nullptr;
    bool tapped = touched && !m_touchMoved && getViewRect().containsPoint(touch->getLocation());
    CCScrollView::ccTouchEnded(touch, event);
    if (touched && m_tableDelegate) {
        m_tableDelegate->tableCellUnhighlight(this, touched);
        if (tapped)
            m_tableDelegate->tableCellTouched(this, touched);
    }
}

void CCTableView::ccTouchCancelled(CCTouch* touch, CCEvent* event)
{
    if (m_touched && m_tableDelegate)
        m_tableDelegate->tableCellUnhighlight(this, m_touched);
    m_touched = nullptr;
    CCScrollView::ccTouchCancelled(touch, event);
}

} // namespace cocos2d::extension
