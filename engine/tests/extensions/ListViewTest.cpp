#include "ExtTestSupport.h"
#include "extensions/gui/UIImageView.h"
#include "extensions/gui/UIListView.h"
#include "extensions/gui/UILoadingBar.h"

using namespace cocos2d;
using namespace cocos2d::extension;

namespace {

class ListViewTest : public exttest::ExtensionTest {};

UIWidget* item(float height)
{
    UIImageView* view = UIImageView::create();
    view->ignoreContentAdaptWithSize(false);
    view->setSize(CCSize(80, height));
    return view;
}

TEST_F(ListViewTest, ItemsStackFromTheTopWithTheMargin)
{
    UIListView* list = UIListView::create();
    list->setSize(CCSize(100, 200));
    list->setItemsMargin(10);
    for (int i = 0; i < 3; ++i)
        list->pushBackCustomItem(item(50));
    ASSERT_EQ(list->getItemCount(), 3u);
    EXPECT_FLOAT_EQ(list->getItem(0)->getPositionY(), 175);
    EXPECT_FLOAT_EQ(list->getItem(1)->getPositionY(), 115);
    EXPECT_FLOAT_EQ(list->getItem(2)->getPositionY(), 55);
    EXPECT_FLOAT_EQ(list->getItem(0)->getPositionX(), 50); // centred by default

    // More items than fit: the container grows and the view shows its top.
    for (int i = 0; i < 3; ++i)
        list->pushBackCustomItem(item(50));
    EXPECT_FLOAT_EQ(list->getInnerContainerSize().height, 6 * 50 + 5 * 10);
    EXPECT_FLOAT_EQ(list->getInnerContainer()->getPositionY(), 200 - 350);
    list->removeItem(0);
    EXPECT_EQ(list->getItemCount(), 5u);
    EXPECT_EQ(list->getItems()->count(), 5u);
    EXPECT_EQ(list->getIndex(list->getItem(4)), 4);
    list->removeItem(99); // out of range: nothing
    EXPECT_EQ(list->getItemCount(), 5u);
}

TEST_F(ListViewTest, LoadingBarIgnoresPercentOutOfRange)
{
    SKIP_WITHOUT_SAMPLES();
    UILoadingBar* bar = UILoadingBar::create();
    bar->loadTexture(exttest::samples("cocostudio-ui/CocoGUISample/loadingbar.png").c_str());
    EXPECT_FLOAT_EQ(bar->getSize().width, 130);
    bar->setPercent(40);
    bar->setPercent(140);
    bar->setPercent(-1);
    EXPECT_EQ(bar->getPercent(), 40);
}

} // namespace
