#include "ExtTestSupport.h"
#include "extensions/table/CCTableView.h"
#include "nodes/CCScene.h"

using namespace cocos2d;
using namespace cocos2d::extension;
namespace et = engine::testing;

namespace {

class Rows : public CCObject, public CCTableViewDataSource, public CCTableViewDelegate {
public:
    unsigned int numberOfCellsInTableView(CCTableView*) override { return count; }
    CCSize tableCellSizeForIndex(CCTableView*, unsigned int idx) override { return CCSize(300, idx == 0 ? 100 : 50); }
    CCTableViewCell* tableCellAtIndex(CCTableView* table, unsigned int idx) override
    {
        requested.push_back(idx);
        CCTableViewCell* cell = table->dequeueCell();
        if (cell)
            ++reused;
        else
            cell = CCTableViewCell::create();
        return cell;
    }
    void tableCellTouched(CCTableView*, CCTableViewCell* cell) override { touched.push_back(cell->getIdx()); }
    void tableCellWillRecycle(CCTableView*, CCTableViewCell*) override { ++recycled; }
    unsigned int count = 40;
    std::vector<unsigned int> requested, touched;
    int reused = 0, recycled = 0;
};

class TableViewTest : public exttest::ExtensionTest {
protected:
    CCTableView* makeTable(CCTableViewVerticalFillOrder order)
    {
        CCScene* scene = CCScene::create();
        CCTableView* table = CCTableView::create(&rows, CCSize(300, 200));
        table->setDelegate(&rows);
        table->setVerticalFillOrder(order);
        table->setPosition(CCPoint(100, 100));
        table->reloadData();
        scene->addChild(table);
        et::runScene(scene);
        return table;
    }
    Rows rows;
};

TEST_F(TableViewTest, TopDownShowsTheFirstCellsAtTheTop)
{
    CCTableView* table = makeTable(kCCTableViewFillTopDown);
    // 100 + 39 * 50 = 2050 high; the top shows: offset y = 200 - 2050.
    EXPECT_FLOAT_EQ(table->getContentSize().height, 2050);
    EXPECT_FLOAT_EQ(table->getContentOffset().y, -1850);
    ASSERT_NE(table->cellAtIndex(0), nullptr);
    ASSERT_NE(table->cellAtIndex(2), nullptr);
    EXPECT_EQ(table->cellAtIndex(3), nullptr);
    EXPECT_FLOAT_EQ(table->cellAtIndex(0)->getPositionY(), 1950);
    EXPECT_FLOAT_EQ(table->cellAtIndex(1)->getPositionY(), 1900);
}

TEST_F(TableViewTest, BottomUpShowsTheLastCellsFirst)
{
    CCTableView* table = makeTable(kCCTableViewFillBottomUp);
    EXPECT_NE(table->cellAtIndex(39), nullptr);
    EXPECT_EQ(table->cellAtIndex(0), nullptr);
    EXPECT_FLOAT_EQ(table->cellAtIndex(39)->getPositionY(), 100 + 38 * 50);
}

TEST_F(TableViewTest, ScrollingRecyclesCellsAndReusesThem)
{
    CCTableView* table = makeTable(kCCTableViewFillTopDown);
    const std::size_t visible = table->usedCellCount();
    rows.requested.clear();
    table->setContentOffset(CCPoint(0, -1850 + 500));
    EXPECT_GT(rows.recycled, 0);
    EXPECT_GT(rows.reused, 0);
    EXPECT_EQ(table->cellAtIndex(0), nullptr);
    EXPECT_EQ(table->cellAtIndex(8), nullptr); // 500 points down: cells 9 to 12 show
    EXPECT_NE(table->cellAtIndex(9), nullptr);
    EXPECT_NE(table->cellAtIndex(12), nullptr);
    EXPECT_LE(table->usedCellCount(), visible + 2);
    // The data source is asked only for indices that became visible.
    for (unsigned int idx : rows.requested)
        EXPECT_GE(idx, 9u);
}

TEST_F(TableViewTest, ReloadDataAsksAgainAndResetsTheOffset)
{
    CCTableView* table = makeTable(kCCTableViewFillTopDown);
    table->setContentOffset(CCPoint(0, -1000));
    rows.count = 3;
    rows.requested.clear();
    table->reloadData();
    EXPECT_FLOAT_EQ(table->getContentSize().height, 200);
    EXPECT_EQ(rows.requested, (std::vector<unsigned int>{0, 1, 2}));
}

TEST_F(TableViewTest, TapTouchesACellButADragDoesNot)
{
    CCTableView* table = makeTable(kCCTableViewFillTopDown);
    // Cell 0 covers the top 100 points of the view: world y 200..300.
    et::tap(150, 250);
    EXPECT_EQ(rows.touched, (std::vector<unsigned int>{0}));
    CCPoint before = table->getContentOffset();
    et::touchBegan(150, 150);
    et::touchMoved(150, 160); // starts the drag
    et::touchMoved(150, 190);
    et::touchEnded(150, 190);
    EXPECT_EQ(rows.touched.size(), 1u);
    EXPECT_FLOAT_EQ(table->getContentOffset().y, before.y + 30);
    et::tap(50, 250); // outside the view: not ours
    EXPECT_EQ(rows.touched.size(), 1u);
}

} // namespace
