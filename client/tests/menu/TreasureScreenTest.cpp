// The treasure screen: what the offer shows, who may take it, the dig and its reward, the buttons
// and the explain box.
#include "app/SceneDirector.h"
#include "menu/CTreasureLayer.h"
#include "menu/TreasureTestSupport.h"
#include "net/GameData.h"
#include "net/RewardParsers.h"
#include "net/JsonRead.h"
#include "quiz/AddCarrot.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class TreasureScreenTest : public TreasureTest {
protected:
    CTreasureLayer* enterWith(const std::string& offer) {
        answer(1, offer);
        enter(7);
        return screen<CTreasureLayer>();
    }
    // An offer handed to the screen through the real parser, as NetManager would.
    static void offer(CTreasureLayer* layer, const std::string& json) {
        Json::Value value;
        ASSERT_TRUE(JsonRead::parse(json, value));
        int code = -1;
        RewardParsers::treasureData(value, &code);
        layer->onTreasureOffer(code);
    }
    static void tapFigure(CTreasureFigure* figure) { tapNode(figure); }
};

TEST_F(TreasureScreenTest, OffersShowTheirFigureOrNothing) {
    struct Case {
        const char* json;
        std::size_t figures;
    };
    const Case cases[] = {
        {R"({"response":1,"index":3,"value":2})", 1},  {R"({"response":1,"index":14,"value":5})", 1},
        {R"({"response":1,"index":0,"value":0})", 0},  {R"({"response":1,"index":15,"value":1})", 0},
        {R"({"response":1,"index":-1,"value":1})", 0}, {R"({"response":1,"index":2,"value":0})", 0},
        {R"({"response":1,"index":2,"value":-4})", 0}, {R"({"response":0,"fail":1})", 0},
        {R"({"response":1,"index":"x","value":"y"})", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        GameData::instance().treasure = {};
        const std::size_t asked = sent(1).size();
        CTreasureLayer* layer = enterWith(c.json);
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(sent(1).size(), asked + 1) << "one offer per entry";
        ASSERT_EQ(layer->figures().size(), c.figures);
        if (c.figures) {
            EXPECT_EQ(layer->figures()[0]->kind(), GameData::instance().treasure.index);
            EXPECT_EQ(layer->figures()[0]->count(), GameData::instance().treasure.value);
            EXPECT_EQ(layer->figures()[0]->getParent(), layer);
            EXPECT_EQ(layer->currentKind(), GameData::instance().treasure.index);
        }
        // An offer that arrives after the player left makes nothing.
        SceneDirector::instance().switchTo(2);
        offer(layer, R"({"response":1,"index":3,"value":2})");
        EXPECT_EQ(layer->figures().size(), c.figures);
        engine::testing::stepSeconds(0.3f);
    }
}

TEST_F(TreasureScreenTest, TheObstaclesAreTheButtonsThatLeadAway) {
    CTreasureLayer* layer = enterWith(R"({"response":0,"fail":1})");
    ASSERT_EQ(layer->obstacles().size(), 2u);
    EXPECT_TRUE(layer->obstacles()[0].containsPoint(worldOf(layer->widget("backbtn"))));
    EXPECT_TRUE(layer->obstacles()[1].containsPoint(worldOf(layer->widget("mycollectionbtn"))));
    EXPECT_GT(layer->obstacles()[1].size.width, 50);
}

TEST_F(TreasureScreenTest, TouchingTheFigureDigsItUpOnce) {
    answer(2, R"({"response":1,"index":7,"value":1,"score":500,"money":20})");
    CTreasureLayer* layer = enterWith(R"({"response":1,"index":7,"value":1})");
    ASSERT_EQ(layer->figures().size(), 1u);
    CTreasureFigure* figure = layer->figures()[0];
    EXPECT_EQ(figure->countLabel(), nullptr);
    figure->retain(); // to see it leave

    // A touch beside the figure is not claimed and digs nothing.
    const CCRect box = figure->boundingBox();
    engine::testing::tap(box.getMaxX() + 40 > 950 ? box.getMinX() - 40 : box.getMaxX() + 40, box.getMidY());
    settle();
    EXPECT_EQ(layer->figures().size(), 1u);
    EXPECT_TRUE(sent(2).empty());

    const int clicks = effectsPlayed("buttonT.mp3");
    const CCPoint at = worldOf(figure);
    engine::testing::touchBegan(at.x, at.y);
    EXPECT_EQ(effectsPlayed("buttonT.mp3"), clicks + 1) << "the click as the finger lands";
    EXPECT_EQ(layer->figures().size(), 1u) << "taken only when the finger lifts";
    engine::testing::touchEnded(at.x, at.y);
    EXPECT_TRUE(layer->figures().empty());
    EXPECT_EQ(figure->getParent(), nullptr) << "gone from the screen";
    figure->release();
    settle();
    EXPECT_EQ(sent(2).size(), 1u);
    // A card pays nothing at once.
    EXPECT_TRUE(childrenOf<AddCarrot>(layer).empty());
    EXPECT_STREQ(layer->scoreLabel()->getString(), "500");
    engine::testing::tap(at.x, at.y);
    settle();
    EXPECT_EQ(sent(2).size(), 1u);
}

TEST_F(TreasureScreenTest, CarrotsPayIntoTheirHeaderNumber) {
    struct Case {
        int kind;
        const char* dig;
        bool score;
        int amount;
    };
    const Case cases[] = {
        {13, R"({"response":1,"index":13,"value":30,"score":530,"money":20})", true, 30},
        {14, R"({"response":1,"index":14,"value":5,"score":500,"money":25})", false, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        GameData::instance().user.score = 500;
        GameData::instance().user.money = 20;
        answer(2, c.dig);
        CTreasureLayer* layer =
            enterWith(R"({"response":1,"index":)" + std::to_string(c.kind) + R"(,"value":)" + std::to_string(c.amount) + "}");
        ASSERT_EQ(layer->figures().size(), 1u);
        EXPECT_STREQ(layer->scoreLabel()->getString(), "500");
        EXPECT_STREQ(layer->moneyLabel()->getString(), "20");
        tapNode(layer->figures()[0]);
        settle();
        const auto rewards = childrenOf<AddCarrot>(layer);
        ASSERT_EQ(rewards.size(), 1u);
        EXPECT_TRUE(rewards[0]->getPosition().equals(ccp(480, 320)));
        EXPECT_EQ(c.score ? rewards[0]->scoreCounter() : rewards[0]->moneyCounter(), c.amount);
        EXPECT_NE(rewards[0]->carrot(), nullptr);
        engine::testing::stepSeconds(2.0f);
        EXPECT_STREQ(layer->scoreLabel()->getString(), c.score ? "530" : "500");
        EXPECT_STREQ(layer->moneyLabel()->getString(), c.score ? "20" : "25");
        for (CMyMessageBox* box : boxes()) box->removeFromParent();
        SceneDirector::instance().switchTo(2);
        engine::testing::stepSeconds(0.3f);
    }
}

TEST_F(TreasureScreenTest, ARefusedDigChangesNothing) {
    CTreasureLayer* layer = enterWith(R"({"response":1,"index":13,"value":30})");
    ASSERT_EQ(layer->figures().size(), 1u);
    tapNode(layer->figures()[0]);
    settle();
    EXPECT_EQ(sent(2).size(), 1u);
    EXPECT_TRUE(childrenOf<AddCarrot>(layer).empty());
    EXPECT_STREQ(layer->scoreLabel()->getString(), "500");
    EXPECT_TRUE(logged("refused the dig"));
}

TEST_F(TreasureScreenTest, WhoMayTakeTheTreasure) {
    struct Case {
        const char* what;
        const char* storedName;
        int kind;
        const char* message; // null: no box
        int sureLeadsTo;
        bool canTake;
    };
    const Case cases[] = {
        {"registered and logged in", "13800000002", 1, nullptr, 0, true},
        {"never registered here", "", 2, "signTip", 14, true},
        {"registered but playing as a guest", "13800000002", 2, "notLoginTip", 13, false},
    };
    answer(2, R"({"response":1,"index":9,"value":1,"score":500,"money":20})");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        playAs(c.storedName, c.kind);
        const std::size_t digs = sent(2).size();
        CTreasureLayer* layer = enterWith(R"({"response":1,"index":9,"value":1})");
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(layer->canTake(), c.canTake);
        const auto shown = boxes();
        ASSERT_EQ(shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(shown[0]->messageText(), text(c.message));
            EXPECT_EQ(shown[0]->getTag(), CTreasureLayer::kAccountBoxTag);
            EXPECT_TRUE(shown[0]->getPosition().equals(ccp(480, 320)));
            if (c.kind == 2 && c.storedName[0]) {
                EXPECT_EQ(shown[0]->titleText(), text("FriendlyTip"));
            }
            // The second button lets the player stay and look.
            shown[0]->handleRelease(shown[0]->button(3)->getPosition());
        }
        ASSERT_EQ(layer->figures().size(), 1u);
        tapNode(layer->figures()[0]);
        settle();
        EXPECT_EQ(sent(2).size(), digs + (c.canTake ? 1u : 0u));
        EXPECT_EQ(layer->figures().size(), c.canTake ? 0u : 1u);

        if (c.message) {
            SceneDirector::instance().switchTo(2);
            engine::testing::stepSeconds(0.3f);
            enterWith(R"({"response":0,"fail":1})");
            pressFirst(boxes().at(0));
            engine::testing::stepSeconds(0.3f);
            EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.sureLeadsTo);
        }
        SceneDirector::instance().switchTo(2);
        engine::testing::stepSeconds(0.3f);
    }
}

TEST_F(TreasureScreenTest, ButtonsLeadOnAndTheExplainBoxShowsItsHelp) {
    GameData::instance().explains = {{3, "other help"}, {1, "寻宝帮助文字"}};
    CTreasureLayer* layer = enterWith(R"({"response":0,"fail":1})");
    ASSERT_NE(layer, nullptr);
    EXPECT_FALSE(layer->widget("mycollectionlabel")->isVisible());
    EXPECT_FALSE(layer->widget("treasureinslabel")->isVisible());
    EXPECT_TRUE(treeContainsText(layer, text("myCollection")));
    EXPECT_TRUE(treeContainsText(layer, text("TreasureInstruction")));

    tapWidget(layer->widget("treasureinsbtn"));
    auto tips = childrenOf<CTipBox>(layer);
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_NE(engine::testing::dumpTree(tips[0]).find("寻宝帮助文字"), std::string::npos);
    tips[0]->handleRelease(tips[0]->closeButton()->getPosition());
    EXPECT_TRUE(childrenOf<CTipBox>(layer).empty());

    tapWidget(layer->widget("mycollectionbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 8);
    settle();
    enter(7);
    tapWidget(screen<CTreasureLayer>()->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

} // namespace
