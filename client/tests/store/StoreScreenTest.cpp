// The store (6): the catalogue into categories and pages, turning pages by dragging, a tap that
// opens the exchange overlay, late answers, the account-book button's routes; the parser keeping
// each category's own goods.
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/GameData.h"
#include "net/StoreParsers.h"
#include "net/UserSession.h"
#include "store/CGoodsGrid.h"
#include "store/CGoodsLayer.h"
#include "store/CStoreLayer.h"
#include "store/CStoreLayerCell.h"
#include "store/StoreTestSupport.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <json/reader.h>

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class StoreTest : public StoreScreenTest {
protected:
    CStoreLayer* open(const Json::Value& answer) {
        answerWith(7, "show", Reply::json(answer));
        enter(6);
        return screen<CStoreLayer>();
    }
    // A point of the grid, in the window.
    static CCPoint gridPoint(CStoreLayer* store, float x, float y) {
        return ccpAdd(store->grid()->getPosition(), ccp(x, y));
    }
    static std::vector<int> shownIds(CStoreLayer* store) {
        std::vector<int> ids;
        const auto& goods = store->categories()[store->selectedCategory()].goods;
        for (size_t slot = 0; slot < store->grid()->tiles().size(); ++slot) {
            ids.push_back(goods[store->grid()->firstIndex() + slot].goodsId);
        }
        return ids;
    }
};

TEST_F(StoreTest, ParserKeepsEachCategorysOwnGoods) {
    Json::Value answer = catalogue({{"话费充值", 2}, {"实物礼品", 0}, {"游戏点卡", 3}});
    answer["goodstype"][1]["goodsinfo"] = "not a list";
    int code = -1;
    StoreParsers::goodsList(answer, &code);
    EXPECT_EQ(code, 0);
    const GameData& data = GameData::instance();
    ASSERT_EQ(data.goodsTypes.size(), 3u);
    EXPECT_EQ(data.goodsTypes[0].goods.size(), 2u);
    EXPECT_TRUE(data.goodsTypes[1].goods.empty());
    ASSERT_EQ(data.goodsTypes[2].goods.size(), 3u);
    EXPECT_EQ(data.goodsTypes[2].goods[2].goodsId, 302);
    EXPECT_EQ(data.goodsTypes[2].goods[2].moneyPrice, 120);
    EXPECT_EQ(data.goods.size(), 5u) << "the top-level list stays as it came";
}

TEST_F(StoreTest, PagesHoldSixAndEmptyCategoriesOneEmptyPage) {
    EXPECT_EQ(CGoodsGrid::pageCountFor(-3), 1);
    CStoreLayer* store = open(catalogue({{"空", 0}, {"一", 1}, {"六", 6}, {"七", 7}, {"十三", 13}}));
    ASSERT_NE(store, nullptr);
    ASSERT_EQ(sent(7).size(), 1u);
    EXPECT_EQ(sent(7)[0]["act"].asString(), "show");
    struct Case { int category, pages, firstPageTiles, lastPageTiles; };
    for (const Case& c : {Case{0, 1, 0, 0}, Case{1, 1, 1, 1}, Case{2, 1, 6, 6}, Case{3, 2, 6, 1}, Case{4, 3, 6, 1}}) {
        SCOPED_TRACE(c.category);
        ASSERT_TRUE(store->selectCategory(c.category));
        CGoodsGrid* grid = store->grid();
        EXPECT_EQ(grid->pageCount(), c.pages);
        EXPECT_EQ(grid->currentPage(), 0);
        EXPECT_EQ(grid->tiles().size(), static_cast<size_t>(c.firstPageTiles));
        EXPECT_EQ(store->emptyLabel()->isVisible(), c.firstPageTiles == 0);
        EXPECT_FALSE(grid->showPage(c.pages));
        EXPECT_FALSE(grid->showPage(-1));
        ASSERT_TRUE(grid->showPage(c.pages - 1));
        EXPECT_EQ(grid->tiles().size(), static_cast<size_t>(c.lastPageTiles));
        EXPECT_EQ(store->pageLabel()->getString(), std::to_string(c.pages) + "/" + std::to_string(c.pages));
    }
    EXPECT_FALSE(store->selectCategory(5));
    // Every tile of a full page stands inside the grid, clear of its neighbours.
    store->selectCategory(2);
    const auto& tiles = store->grid()->tiles();
    for (size_t i = 0; i < tiles.size(); ++i) {
        const CCRect box = tiles[i]->boundingBox();
        EXPECT_GE(box.getMinX(), 0);
        EXPECT_GE(box.getMinY(), 0);
        EXPECT_LE(box.getMaxX(), store->grid()->getContentSize().width);
        EXPECT_LE(box.getMaxY(), store->grid()->getContentSize().height);
        if (i % 3 != 2) {
            EXPECT_LT(box.getMaxX(), tiles[i + 1]->boundingBox().getMinX());
        }
    }
}

TEST_F(StoreTest, DraggingTurnsPagesByDistanceAndPace) {
    CStoreLayer* store = open(catalogue({{"十三", 13}}));
    ASSERT_NE(store, nullptr);
    CGoodsGrid* grid = store->grid();
    const CCPoint mid = gridPoint(store, 500, 265);
    drag(mid.x, mid.y, 120, 5);
    EXPECT_EQ(grid->currentPage(), 0) << "no page before the first";
    drag(mid.x, mid.y, -120, 5);
    EXPECT_EQ(grid->currentPage(), 1) << "a quick flick";
    EXPECT_EQ(shownIds(store).front(), 106);
    drag(mid.x, mid.y, -120, 25);
    EXPECT_EQ(grid->currentPage(), 1) << "a slow short drag turns nothing";
    drag(mid.x, mid.y, -105, 3);
    EXPECT_EQ(grid->currentPage(), 1) << "110 points are needed";
    drag(mid.x, mid.y, -380, 40);
    EXPECT_EQ(grid->currentPage(), 2) << "past half the width, however slow";
    EXPECT_EQ(grid->tiles().size(), 1u);
    drag(mid.x, mid.y, -380, 40);
    EXPECT_EQ(grid->currentPage(), 2) << "no page after the last";
    drag(mid.x - 200, mid.y, 130, 4);
    EXPECT_EQ(grid->currentPage(), 1);
    EXPECT_TRUE(m_opened.empty()) << "drags open nothing";
}

TEST_F(StoreTest, TapOpensTheExchangeOverlayButAMoveDoesNot) {
    CStoreLayer* store = open(catalogue({{"十三", 13}}));
    ASSERT_NE(store, nullptr);
    store->grid()->showPage(1);
    CGoodsLayer* second = store->grid()->tiles()[1];
    const CCPoint at = worldOf(second);
    drag(at.x, at.y, 40, 6);
    EXPECT_TRUE(m_opened.empty());
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6);
    // A finger that trembles a few points still taps.
    drag(at.x, at.y, 6, 3);
    EXPECT_EQ(m_opened, (std::vector<int>{107}));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 9);
    tapNode(store->grid()->tiles()[0]);
    EXPECT_EQ(m_opened.size(), 1u) << "the store under the overlay takes no taps";
    drag(at.x, at.y, -200, 4);
    EXPECT_EQ(store->grid()->currentPage(), 1) << "nor drags";
}

TEST_F(StoreTest, ACategoryTapShowsItsGoodsFromTheFirstPage) {
    CStoreLayer* store = open(catalogue({{"话费充值", 8}, {"实物礼品", 3}, {"空分类", 0}}));
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->selectedCategory(), 0);
    store->grid()->showPage(1);
    auto tapCell = [store](unsigned idx) {
        CCTableViewCell* cell = store->table()->cellAtIndex(idx);
        ASSERT_NE(cell, nullptr);
        const CCPoint at = cell->getParent()->convertToWorldSpace(
            ccpAdd(cell->getPosition(), ccp(CStoreLayerCell::kWidth / 2, CStoreLayerCell::kHeight / 2)));
        engine::testing::tap(at.x, at.y);
    };
    tapCell(1);
    EXPECT_EQ(store->selectedCategory(), 1);
    EXPECT_EQ(store->grid()->currentPage(), 0);
    EXPECT_EQ(shownIds(store), (std::vector<int>{200, 201, 202}));
    auto* chosen = dynamic_cast<CStoreLayerCell*>(store->table()->cellAtIndex(1));
    auto* other = dynamic_cast<CStoreLayerCell*>(store->table()->cellAtIndex(0));
    ASSERT_TRUE(chosen && other);
    EXPECT_TRUE(chosen->isSelected());
    EXPECT_FALSE(other->isSelected());
    EXPECT_EQ(other->nameLabel()->getString(), std::string("话费充值"));
    tapCell(2);
    EXPECT_TRUE(store->grid()->tiles().empty());
    EXPECT_TRUE(store->emptyLabel()->isVisible());
    EXPECT_EQ(store->pageLabel()->getString(), std::string("1/1"));
}

TEST_F(StoreTest, ACatalogueArrivingAfterTheStoreWasLeftIsIgnored) {
    CStoreLayer* store = open(catalogue({{"一", 2}}));
    ASSERT_NE(store, nullptr);
    store->retain();
    SceneDirector::instance().showMain();
    engine::testing::stepSeconds(0.3f);
    int code = -1;
    StoreParsers::goodsList(catalogue({{"甲", 1}, {"乙", 1}}), &code);
    store->onCatalogue(code);
    EXPECT_EQ(store->categories().size(), 1u);
    EXPECT_TRUE(logged("ignored"));
    store->release();
}

TEST_F(StoreTest, AccountBookButtonRoutes) {
    struct Case { std::string storedName; int kind; bool infoFilled; const char* boxKey; int scene; };
    const Case cases[] = {{"", 1, true, "noRegisterAccountTip", 14},
                          {"13800000002", 2, true, "notLoginTip", 13},
                          {"13800000002", 1, true, nullptr, 10},
                          {"13800000002", 1, false, nullptr, 18}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scene);
        StoredSettings::storeUserName(c.storedName);
        UserSession::instance().setAccountKind(c.kind);
        CStoreLayer* store = open(catalogue({{"一", 1}}));
        ASSERT_NE(store, nullptr);
        GameData::instance().user.infoFilled = c.infoFilled;
        tapNode(store->widget("interactbtn"));
        engine::testing::stepSeconds(0.3f);
        if (c.boxKey) {
            CMyMessageBox* box = boxSaying(text(c.boxKey));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6);
            tapNode(box->button(1));
            engine::testing::stepSeconds(0.3f);
        }
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.scene);
        settle();
    }
}

TEST_F(StoreTest, TopButtonsLeadWhereTheySay) {
    CStoreLayer* store = open(catalogue({{"一", 1}}));
    ASSERT_NE(store, nullptr);
    for (int i = 1; i <= 4; ++i) {
        UIWidget* recharge = store->widget(("rechargebtn" + std::to_string(i)).c_str());
        ASSERT_NE(recharge, nullptr);
        EXPECT_FALSE(recharge->isVisible());
        EXPECT_EQ(recharge->getTag(), i - 1);
    }
    tapNode(store->widget("accountbookbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 11);
    settle();
    // Back from the store goes to the play scene only when the player came from it.
    SceneDirector::instance().showPlay();
    enter(6);
    tapNode(screen<CStoreLayer>()->widget("backbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 3);
    SceneDirector::instance().showMain();
    enter(6);
    tapNode(screen<CStoreLayer>()->widget("backbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

TEST_F(StoreTest, OddGoodsStillShowAndTheBackButtonWorks) {
    Json::Value answer = catalogue({{"", 2}});
    answer["goodstype"][0]["goodsinfo"][0]["moneyprice"] = -5;
    answer["goodstype"][0]["goodsinfo"][0]["goodsimg"] = "";
    answer["goodstype"][0]["goodsinfo"][1] = 7;
    CStoreLayer* store = open(answer);
    ASSERT_NE(store, nullptr);
    ASSERT_EQ(store->grid()->tiles().size(), 2u);
    EXPECT_EQ(store->grid()->tiles()[0]->picture(), nullptr);
    EXPECT_EQ(store->grid()->tiles()[0]->numberLabel()->getString(), std::string("-5"));
    EXPECT_TRUE(logged("price of -5"));
    SceneDirector::instance().showMain();
    enter(6);
    tapNode(screen<CStoreLayer>()->widget("backbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

} // namespace
