// A scroll view that shows a data source's cells, creating only the visible ones and recycling the rest
// (dequeueCell hands back the oldest free one). Vertical tables fill bottom-up unless told top-down; after
// creation and reloadData the top of the content shows. A touch that did not drag reports
// tableCellTouched for the cell under it.
#pragma once

#include <deque>
#include <vector>

#include "extensions/table/CCScrollView.h"
#include "extensions/table/CCTableViewCell.h"

namespace cocos2d::extension {

class CCTableView;

typedef enum { kCCTableViewFillTopDown, kCCTableViewFillBottomUp } CCTableViewVerticalFillOrder;

class CCTableViewDelegate : public CCScrollViewDelegate {
public:
    virtual void tableCellTouched(CCTableView* table, CCTableViewCell* cell) = 0;
    virtual void tableCellHighlight(CCTableView* table, CCTableViewCell* cell) { (void)table; (void)cell; }
    virtual void tableCellUnhighlight(CCTableView* table, CCTableViewCell* cell) { (void)table; (void)cell; }
    virtual void tableCellWillRecycle(CCTableView* table, CCTableViewCell* cell) { (void)table; (void)cell; }
};

class CCTableViewDataSource {
public:
    virtual ~CCTableViewDataSource() = default;
    virtual CCSize tableCellSizeForIndex(CCTableView* table, unsigned int idx)
    {
        (void)idx;
        return cellSizeForTable(table);
    }
    virtual CCSize cellSizeForTable(CCTableView* table)
    {
        (void)table;
        return CCSize();
    }
    virtual CCTableViewCell* tableCellAtIndex(CCTableView* table, unsigned int idx) = 0;
    virtual unsigned int numberOfCellsInTableView(CCTableView* table) = 0;
};

class CCTableView : public CCScrollView {
public:
    CCTableView();
    ~CCTableView() override;
    static CCTableView* create(CCTableViewDataSource* dataSource, CCSize size);
    static CCTableView* create(CCTableViewDataSource* dataSource, CCSize size, CCNode* container);
    bool initWithViewSize(CCSize size, CCNode* container = nullptr) override;

    CCTableViewDataSource* getDataSource() const { return m_dataSource; }
    void setDataSource(CCTableViewDataSource* source) { m_dataSource = source; }
    CCTableViewDelegate* getDelegate() const { return m_tableDelegate; }
    void setDelegate(CCTableViewDelegate* delegate);
    void setVerticalFillOrder(CCTableViewVerticalFillOrder order);
    CCTableViewVerticalFillOrder getVerticalFillOrder() const { return m_fillOrder; }
    void setDirection(CCScrollViewDirection direction) override;

    void updateCellAtIndex(unsigned int idx);
    void insertCellAtIndex(unsigned int idx);
    void removeCellAtIndex(unsigned int idx);
    void reloadData();
    CCTableViewCell* dequeueCell();
    CCTableViewCell* cellAtIndex(unsigned int idx);
    // Cells in use, by index (tests).
    std::size_t usedCellCount() const { return m_used.size(); }
    std::size_t freeCellCount() const { return m_free.size(); }

    bool ccTouchBegan(CCTouch* touch, CCEvent* event) override;
    void ccTouchMoved(CCTouch* touch, CCEvent* event) override;
    void ccTouchEnded(CCTouch* touch, CCEvent* event) override;
    void ccTouchCancelled(CCTouch* touch, CCEvent* event) override;

protected:
    void onScrolled() override;
    void updateCellPositions();
    void updateContentSize();
    CCPoint offsetFromIndex(unsigned int idx);
    // Index of the cell covering a distance from where cell 0 starts; clamps to the range.
    unsigned int indexFromDistance(float distance);
    void placeCell(CCTableViewCell* cell, unsigned int idx);
    void recycle(CCTableViewCell* cell);
    CCTableViewCell* cellUnderTouch(CCTouch* touch);

    CCTableViewDataSource* m_dataSource = nullptr;
    CCTableViewDelegate* m_tableDelegate = nullptr;
    CCTableViewVerticalFillOrder m_fillOrder = kCCTableViewFillBottomUp;
    std::vector<float> m_positions; // start of each cell along the scroll axis; one more for the end
    std::vector<CCTableViewCell*> m_used; // retained, sorted by index
    std::deque<CCTableViewCell*> m_free;  // retained
    CCTableViewCell* m_touched = nullptr;
    bool m_inScroll = false;
};

} // namespace cocos2d::extension
