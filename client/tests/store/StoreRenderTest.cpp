// The store's pages drawn for real through the offscreen GL context, pictures loaded. With
// BRINDLE_SHOT_DIR set every frame is saved there as a PNG for a person to look at.
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "quiz/RenderSupport.h"
#include "store/CGoodsGrid.h"
#include "store/CGoodsInfoBox.h"
#include "store/CGoodsLayer.h"
#include "store/CStoreAccountLayer.h"
#include "store/CStoreHudongLayer.h"
#include "store/CStoreLayer.h"
#include "store/StoreTestSupport.h"
#include "widgets/CImageView.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class StoreRenderTest : public StoreScreenTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        StoreScreenTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    void TearDown() override {
        Renderer::setCurrent(nullptr);
        StoreScreenTest::TearDown();
    }
    Frame shoot(const std::string& name) {
        engine::testing::stepSeconds(0.3f);
        return shootScene(m_gl, name);
    }
    static void expectPicturesLoaded(CGoodsGrid* grid) {
        for (CGoodsLayer* tile : grid->tiles()) {
            ASSERT_NE(tile->picture(), nullptr);
            EXPECT_TRUE(tile->picture()->isLoaded());
        }
    }

    GLRenderer* m_gl = nullptr;
};

Json::Value named(Json::Value answer) {
    const char* const names[] = {"10元话费", "30元话费", "卡通保温杯", "蓝牙音箱", "游戏点卡50元", "视频会员月卡", "胡萝卜抱枕"};
    for (Json::Value& type : answer["goodstype"]) {
        for (Json::Value& item : type["goodsinfo"]) item["goodsname"] = names[item["goodsid"].asInt() % 7];
    }
    return answer;
}

TEST_F(StoreRenderTest, StoreWithGoodsAndAnEmptyCategory) {
    answerWith(7, "show", Reply::json(named(catalogue({{"话费充值", 8}, {"实物礼品", 5}, {"游戏点卡", 0},
                                                       {"视频会员卡", 2}}))));
    enter(6);
    auto* store = screen<CStoreLayer>();
    ASSERT_NE(store, nullptr);
    expectPicturesLoaded(store->grid());
    shoot("store_goods");
    store->grid()->showPage(1);
    shoot("store_goods_page2");
    store->selectCategory(2);
    shoot("store_empty_category");
}

TEST_F(StoreRenderTest, AccountBookWithEachBox) {
    std::vector<Json::Value> items = {record(501, 2, 105), record(502, 1, 3900), record(503, 1, 3900, "SF1234567")};
    // The longest address the server takes wraps inside the box.
    items[1]["addr"] = "广东省深圳市南山区科技园南区高新南一道胡萝卜大厦东座二十八层二八零八室前台转交李小兔收谢谢";
    for (int i = 0; i < 5; ++i) items.push_back(record(510 + i, 2, 1000 * (i + 1)));
    answerWith(7, "record", Reply::json(records(items)));
    enter(10);
    auto* book = screen<CStoreAccountLayer>();
    ASSERT_NE(book, nullptr);
    expectPicturesLoaded(book->grid());
    shoot("account_book");
    const char* const shots[] = {"account_box_order", "account_box_waiting", "account_box_sent"};
    for (int slot = 0; slot < 3; ++slot) {
        CGoodsInfoBox* box = book->openRecord(slot);
        ASSERT_NE(box, nullptr);
        shoot(shots[slot]);
        const CCRect inside = box->background()->boundingBox();
        CCArray* children = box->getChildren();
        for (unsigned i = 0; i < children->count(); ++i) {
            auto* label = dynamic_cast<CCLabelTTF*>(static_cast<CCObject*>(children->objectAtIndex(i)));
            if (label == nullptr) continue;
            const CCRect box = label->boundingBox();
            EXPECT_GE(box.getMinX(), inside.getMinX()) << label->getString();
            EXPECT_LE(box.getMaxX(), inside.getMaxX()) << label->getString();
            EXPECT_GE(box.getMinY(), inside.getMinY()) << label->getString();
            EXPECT_LE(box.getMaxY(), inside.getMaxY()) << label->getString();
        }
        book->removeChildByTag(CStoreAccountLayer::kBoxTag);
    }
}

TEST_F(StoreRenderTest, EmptyAccountBook) {
    answerWith(7, "record", Reply::json(records({})));
    enter(10);
    ASSERT_NE(screen<CStoreAccountLayer>(), nullptr);
    shoot("account_book_empty");
}

TEST_F(StoreRenderTest, MerchantPage) {
    answerWith(7, "showbreak", Reply::json(named(catalogue({{"合作商家", 4}, {"本地优惠", 3}}))));
    enter(11);
    auto* page = screen<CStoreHudongLayer>();
    ASSERT_NE(page, nullptr);
    expectPicturesLoaded(page->grid());
    shoot("merchant_page");
}

} // namespace
