// The zodiac card collection: the cells and where they stand, counts and total, lists of the wrong
// length, and the set exchange with its success view and refusals.
#include "app/SceneDirector.h"
#include "menu/CMyCollectionScene.h"
#include "menu/TreasureTestSupport.h"
#include "net/GameData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

using Counts = std::vector<int>;

std::string listAnswer(const Counts& counts) {
    std::string json = R"({"response":1,"caidanlist":[)";
    for (std::size_t i = 0; i < counts.size(); ++i) json += (i ? "," : "") + std::to_string(counts[i]);
    return json + "]}";
}

class CollectionScreenTest : public TreasureTest {
protected:
    CMyCollectionScene* enterWith(const Counts& counts) {
        answer(3, listAnswer(counts));
        enter(8);
        return screen<CMyCollectionScene>();
    }
    static Counts shownOf(CMyCollectionScene* layer) {
        return Counts(layer->shown().begin(), layer->shown().end());
    }
    // What the player sees: each cell's label text when its card shows, "-" when hidden.
    static std::vector<std::string> cells(CMyCollectionScene* layer) {
        std::vector<std::string> seen;
        for (int i = 0; i < CMyCollectionScene::kCards; ++i) {
            const bool card = layer->card(i)->isVisible();
            const bool label = layer->countLabel(i)->isVisible();
            EXPECT_EQ(card, label) << "card " << i << " and its count show together";
            seen.push_back(card ? layer->countLabel(i)->getString() : "-");
        }
        return seen;
    }
    CMyMessageBox* onlyBox() {
        const auto found = boxes();
        EXPECT_EQ(found.size(), 1u);
        return found.empty() ? nullptr : found[0];
    }
    void closeBoxes() {
        for (CMyMessageBox* box : boxes()) box->removeFromParent();
    }
};

TEST_F(CollectionScreenTest, CellsStandInTwoRowsAndStartHidden) {
    answer(3, R"({"response":0,"fail":1})");
    enter(8);
    CMyCollectionScene* layer = screen<CMyCollectionScene>();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(sent(3).size(), 1u);
    const float pictures[] = {60, 220, 360, 500, 640, 760, 70, 210, 365, 480, 630, 770};
    const float backgrounds[] = {80, 220, 360, 500, 640, 780, 80, 220, 360, 500, 640, 780};
    for (int i = 0; i < CMyCollectionScene::kCards; ++i) {
        SCOPED_TRACE(i);
        const float y = i < 6 ? 360 : 180;
        EXPECT_TRUE(layer->card(i)->getPosition().equals(ccp(pictures[i], y)));
        EXPECT_TRUE(layer->cellBackground(i)->getPosition().equals(ccp(backgrounds[i], y)));
        EXPECT_NEAR(layer->card(i)->boundingBox().size.height, 110, 0.5);
        EXPECT_FALSE(layer->card(i)->isVisible());
        EXPECT_FALSE(layer->countLabel(i)->isVisible());
        EXPECT_GT(layer->countLabel(i)->getZOrder(), layer->card(i)->getZOrder());
    }
    EXPECT_EQ(layer->totalLabel(), nullptr) << "a refused list leaves the screen empty";
    EXPECT_FALSE(layer->widget("shoujicount")->isVisible());
    EXPECT_FALSE(layer->widget("shoujilabel")->isVisible());
    EXPECT_TRUE(treeContainsText(layer, text("collectionCount")));
    EXPECT_TRUE(treeContainsText(layer, text("ExchangeAwards")));

    tapWidget(layer->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 7);
}

TEST_F(CollectionScreenTest, CountsTotalAndWhetherASetCanBeExchanged) {
    struct Case {
        const char* what;
        Counts list;
        std::vector<std::string> cells;
        const char* total;
        bool canExchange;
    };
    const Case cases[] = {
        {"some cards", {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 3},
         {"2", "-", "1", "-", "-", "-", "-", "-", "-", "-", "-", "3"}, "6", false},
        {"a full set", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2},
         {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "2"}, "13", true},
        {"one missing", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 2},
         {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "-", "2"}, "12", false},
        {"eleven counts", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "-"}, "11", false},
        {"thirteen counts", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5},
         {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}, "12", false},
        {"a negative count", {1, 1, 1, 1, -2, 1, 1, 1, 1, 1, 1, 1},
         {"1", "1", "1", "1", "-", "1", "1", "1", "1", "1", "1", "1"}, "11", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_log.clear();
        CMyCollectionScene* layer = enterWith(c.list);
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(cells(layer), c.cells);
        ASSERT_NE(layer->totalLabel(), nullptr);
        EXPECT_STREQ(layer->totalLabel()->getString(), c.total);
        EXPECT_TRUE(layer->totalLabel()->getPosition().equals(ccp(250, 107)));
        EXPECT_EQ(layer->canExchange(), c.canExchange);
        if (c.list.size() != 12) {
            EXPECT_TRUE(logged("not 12"));
        }

        layer->exchange();
        CMyMessageBox* box = onlyBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->messageText(), text(c.canExchange ? "CanExchange" : "NotCellect"));
        EXPECT_EQ(box->button(1) != nullptr, c.canExchange) << "Yes only with a full set";
        EXPECT_EQ(box->getZOrder(), CMyCollectionScene::kBoxZ);
        closeBoxes();
        SceneDirector::instance().switchTo(7);
        engine::testing::stepSeconds(0.3f);
        settle();
    }
}

TEST_F(CollectionScreenTest, ExchangeShowsWhatIsLeftAndKeepsTheListsCounts) {
    const Counts list = {3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1};
    answer(4, R"({"response":1,"money":120})");
    CMyCollectionScene* layer = enterWith(list);
    ASSERT_TRUE(layer->canExchange());

    tapWidget(layer->widget("duihuanbtn"));
    pressFirst(onlyBox());
    settle();
    ASSERT_EQ(sent(4).size(), 1u);
    CMyMessageBox* success = onlyBox();
    ASSERT_NE(success, nullptr);
    EXPECT_EQ(success->messageText(), text("CollectionSuccess"));
    EXPECT_EQ(success->titleText(), text("ExchangeAwards"));
    EXPECT_EQ(cells(layer), (std::vector<std::string>{"2", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "-"}));
    EXPECT_STREQ(layer->totalLabel()->getString(), "12");
    EXPECT_FALSE(layer->canExchange()) << "the pig card is gone";
    EXPECT_EQ(Counts(layer->counts().begin(), layer->counts().end()), list);
    EXPECT_EQ(GameData::instance().collection, list);
    closeBoxes();

    layer->exchange();
    EXPECT_EQ(onlyBox()->messageText(), text("NotCellect"));
    closeBoxes();
    EXPECT_EQ(sent(4).size(), 1u);
}

TEST_F(CollectionScreenTest, ASecondExchangeCountsFromTheSameList) {
    const Counts list = {3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    answer(4, R"({"response":1,"money":120})");
    CMyCollectionScene* layer = enterWith(list);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(layer->canExchange());
        layer->exchange();
        pressFirst(onlyBox());
        settle();
        closeBoxes();
        EXPECT_EQ(Counts(layer->counts().begin(), layer->counts().end()), list) << "the list stays as it came";
    }
    EXPECT_EQ(sent(4).size(), 2u);
    // Two sets taken from the one list: what is left, not the list less one again.
    EXPECT_EQ(shownOf(layer), (Counts{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_STREQ(layer->totalLabel()->getString(), "1");
    EXPECT_FALSE(layer->canExchange());

    // A fresh list starts over.
    SceneDirector::instance().switchTo(7);
    engine::testing::stepSeconds(0.3f);
    settle();
    layer = enterWith({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(shownOf(layer), Counts(12, 1));
    EXPECT_TRUE(layer->canExchange());
}

TEST_F(CollectionScreenTest, ARefusedExchangeSaysNoSetAndChangesNothing) {
    answer(4, R"({"response":0,"fail":1})");
    CMyCollectionScene* layer = enterWith(Counts(12, 1));
    layer->exchange();
    CMyMessageBox* ask = onlyBox();
    ASSERT_NE(ask, nullptr);
    ask->handleRelease(ask->button(3)->getPosition()); // "No"
    settle();
    EXPECT_TRUE(sent(4).empty());
    EXPECT_TRUE(boxes().empty());

    layer->exchange();
    pressFirst(onlyBox());
    settle();
    ASSERT_EQ(sent(4).size(), 1u);
    CMyMessageBox* refused = onlyBox();
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->messageText(), text("NotCellect"));
    EXPECT_EQ(refused->titleText(), text("ExchangeAwards"));
    EXPECT_EQ(shownOf(layer), Counts(12, 1));
    EXPECT_TRUE(layer->canExchange());
}

} // namespace
