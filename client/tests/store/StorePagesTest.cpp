// The account book (10) with its two detail boxes and the merchant page (11): what is asked on
// entry, tiles in pages with the page bar, the boxes' texts, and taps that open nothing.
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "store/CGoodsGrid.h"
#include "store/CGoodsInfoBox.h"
#include "store/CGoodsLayer.h"
#include "store/CStoreAccountLayer.h"
#include "store/CStoreHudongLayer.h"
#include "store/StoreTestSupport.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class StorePagesTest : public StoreScreenTest {
protected:
    CStoreAccountLayer* openBook(const std::vector<Json::Value>& items) {
        answerWith(7, "record", Reply::json(records(items)));
        enter(10);
        return screen<CStoreAccountLayer>();
    }
    static bool hasLine(CGoodsInfoBox* box, const std::string& line) {
        for (const std::string& shown : box->lines()) {
            if (shown == line) return true;
        }
        return false;
    }
};

TEST_F(StorePagesTest, PricesInYuanAndTimes) {
    EXPECT_EQ(CGoodsInfoBox::yuanText(105), "1.05");
    EXPECT_EQ(CGoodsInfoBox::yuanText(1200), "12.00");
    EXPECT_EQ(CGoodsInfoBox::yuanText(7), "0.07");
    EXPECT_EQ(CGoodsInfoBox::yuanText(-105), "-1.05");
    EXPECT_EQ(CGoodsInfoBox::timeText(20261209, 1405), "2026-12-09 14:05");
    EXPECT_EQ(CGoodsInfoBox::timeText(20261209, 905), "2026-12-09 09:05");
    EXPECT_EQ(CGoodsInfoBox::timeText(0, 9999), "0 9999");
}

TEST_F(StorePagesTest, BookShowsRecordsInPagesWithThePageBar) {
    std::vector<Json::Value> items;
    for (int i = 0; i < 8; ++i) items.push_back(record(500 + i, 2, 1000));
    CStoreAccountLayer* book = openBook(items);
    ASSERT_NE(book, nullptr);
    ASSERT_EQ(sent(7).size(), 1u);
    EXPECT_EQ(sent(7)[0]["act"].asString(), "record");
    CGoodsGrid* grid = book->grid();
    ASSERT_EQ(grid->tiles().size(), 6u);
    EXPECT_EQ(grid->tiles()[0]->kind(), CGoodsLayer::kRecordKind);
    EXPECT_EQ(grid->tiles()[0]->numberLabel()->getString(), std::string("3")); // 500 % 3 + 1
    EXPECT_EQ(book->pager()->labelText(), "1/2");
    EXPECT_FALSE(book->emptyLabel()->isVisible());
    book->pager()->next();
    EXPECT_EQ(grid->currentPage(), 1);
    EXPECT_EQ(grid->tiles().size(), 2u);
    book->pager()->next();
    EXPECT_EQ(grid->currentPage(), 1);
    const CCPoint mid = ccpAdd(grid->getPosition(), ccp(370, 215));
    drag(mid.x, mid.y, 150, 5);
    EXPECT_EQ(grid->currentPage(), 0);
    EXPECT_EQ(book->pager()->labelText(), "1/2") << "the bar follows a drag";
    book->pager()->last();
    EXPECT_EQ(grid->currentPage(), 1);
}

TEST_F(StorePagesTest, OrderAndDeliveryBoxesAndTypesWithoutOne) {
    CStoreAccountLayer* book =
        openBook({record(501, 2, 105), record(502, 2, 1200), record(503, 1, 3900), record(504, 1, 3900, "SF1234567"),
                  record(505, 3, 100)});
    ASSERT_NE(book, nullptr);
    auto tapTile = [book](int slot) {
        tapNode(book->grid()->tiles()[slot]);
        return dynamic_cast<CGoodsInfoBox*>(book->getChildByTag(CStoreAccountLayer::kBoxTag));
    };
    CGoodsInfoBox* order = tapTile(0);
    ASSERT_NE(order, nullptr);
    EXPECT_TRUE(hasLine(order, text("HaoDan") + "501"));
    EXPECT_TRUE(hasLine(order, text("YingJiaoXianJin") + "1.05" + text("Yuan")));
    EXPECT_TRUE(hasLine(order, text("storeOrderTime") + "2026-12-09 14:05"));
    EXPECT_TRUE(hasLine(order, text("storeGoodsName") + "10元话费"));
    tapNode(book->grid()->tiles()[1]);
    EXPECT_EQ(book->getChildByTag(CStoreAccountLayer::kBoxTag), order) << "the box takes every touch";
    tapNode(order->closeButton());
    EXPECT_EQ(book->getChildByTag(CStoreAccountLayer::kBoxTag), nullptr);

    CGoodsInfoBox* second = tapTile(1);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(hasLine(second, text("YingJiaoXianJin") + "12.00" + text("Yuan")));
    tapNode(second->closeButton());

    CGoodsInfoBox* waiting = tapTile(2);
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(waiting->showType(), CGoodsInfoBox::kDeliveryBox);
    EXPECT_EQ(waiting->lines(),
              (std::vector<std::string>{text("Telephone") + "13800138000", text("Code") + text("storeWaitSend"),
                                        text("Name") + "李小兔", text("Address") + "北京市海淀区胡萝卜路8号",
                                        text("ShopTel") + "400-800-1234",
                                        text("ShopAddr") + "上海市浦东新区礼品大道1号"}));
    tapNode(waiting->closeButton());
    CGoodsInfoBox* sent = tapTile(3);
    ASSERT_NE(sent, nullptr);
    EXPECT_TRUE(hasLine(sent, text("Code") + "SF1234567"));
    tapNode(sent->closeButton());

    EXPECT_EQ(tapTile(4), nullptr);
    EXPECT_TRUE(logged("show type 3"));
    tapNode(book->widget("backbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6) << "the back button still works";
}

TEST_F(StorePagesTest, EmptyBookSaysSoAndLateAnswersAreIgnored) {
    CStoreAccountLayer* book = openBook({});
    ASSERT_NE(book, nullptr);
    EXPECT_TRUE(book->emptyLabel()->isVisible());
    EXPECT_EQ(book->grid()->pageCount(), 1);
    EXPECT_EQ(book->pager()->labelText(), "1/1");

    book->retain();
    SceneDirector::instance().showStore();
    engine::testing::stepSeconds(0.3f);
    GameData::instance().buyRecords = {BuyRecord{}};
    book->onRecords(0);
    EXPECT_TRUE(book->records().empty());
    book->release();
}

TEST_F(StorePagesTest, MerchantPageListsEveryCategorysGoodsAndOpensTheOverlay) {
    answerWith(7, "showbreak", Reply::json(catalogue({{"合作商家", 4}, {"本地优惠", 5}})));
    enter(11);
    auto* page = screen<CStoreHudongLayer>();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(sent(7).size(), 1u);
    EXPECT_EQ(sent(7)[0]["act"].asString(), "showbreak");
    ASSERT_EQ(page->goods().size(), 9u);
    EXPECT_EQ(page->goods()[4].goodsId, 200);
    EXPECT_EQ(page->pager()->labelText(), "1/2");
    ASSERT_EQ(page->grid()->tiles().size(), 6u);
    EXPECT_EQ(page->grid()->tiles()[0]->kind(), CGoodsLayer::kGoodsKind);
    page->pager()->next();
    tapNode(page->grid()->tiles()[2]);
    EXPECT_EQ(m_opened, (std::vector<int>{204}));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 9);
}

} // namespace
