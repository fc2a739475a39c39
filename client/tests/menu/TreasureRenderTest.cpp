// The treasure and collection screens drawn for real through the offscreen GL context. With
// BRINDLE_SHOT_DIR set every frame is saved there as a PNG for a person to look at.
#include "app/SceneDirector.h"
#include "menu/CMyCollectionScene.h"
#include "menu/CTreasureLayer.h"
#include "menu/TreasureTestSupport.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/RewardParsers.h"
#include "quiz/RenderSupport.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CStrokeLabelTTF.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class TreasureRenderTest : public TreasureTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        TreasureTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    // Today's offer put on the screen with a known start.
    CTreasureLayer* treasureWith(const std::string& offer, unsigned r) {
        answer(1, R"({"response":1,"index":0,"value":0})");
        enter(7);
        CTreasureLayer* layer = screen<CTreasureLayer>();
        if (layer == nullptr) return nullptr;
        layer->setRandom([r] { return r; });
        Json::Value value;
        JsonRead::parse(offer, value);
        int code = -1;
        RewardParsers::treasureData(value, &code);
        layer->onTreasureOffer(code);
        return layer;
    }
    // Pixels of the box that differ from the background picture's frame without the figure.
    static int figurePixels(const Frame& with, const Frame& without, const CCRect& box) {
        return with.differences(without, static_cast<int>(box.getMinX()), static_cast<int>(box.getMinY()),
                                static_cast<int>(box.getMaxX()), static_cast<int>(box.getMaxY()));
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(TreasureRenderTest, TreasureWithAWanderingZodiacCard) {
    GameData::instance().user.score = 1280;
    GameData::instance().user.money = 36;
    answer(1, R"({"response":1,"index":0,"value":0})");
    enter(7);
    engine::testing::stepSeconds(0.5f);
    const Frame empty = shoot("treasure_empty");

    CTreasureLayer* layer = treasureWith(R"({"response":1,"index":3,"value":2})", 300);
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->figures().size(), 1u);
    engine::testing::stepSeconds(0.6f);
    const Frame walking = shoot("treasure_zodiac_x2");
    CTreasureFigure* figure = layer->figures()[0];
    CCRect box = figure->boundingBox();
    EXPECT_GT(figurePixels(walking, empty, box), 400) << "the tiger shows";
    ASSERT_NE(figure->countLabel(), nullptr);
    const CCPoint top = figure->convertToWorldSpace(figure->countLabel()->getPosition());
    EXPECT_LT(top.y + 30, 560) << "the count stays under the header";
    engine::testing::stepSeconds(3.0f);
    shoot("treasure_zodiac_x2_walking_back");
}

TEST_F(TreasureRenderTest, TreasureWithAGoldenCarrotAndItsReward) {
    GameData::instance().user.score = 1280;
    GameData::instance().user.money = 36;
    answer(2, R"({"response":1,"index":14,"value":5,"score":1280,"money":41})");
    CTreasureLayer* layer = treasureWith(R"({"response":1,"index":14,"value":5})", 1234);
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->figures().size(), 1u);
    engine::testing::stepSeconds(0.3f);
    shoot("treasure_gold_carrot");
    tapNode(layer->figures()[0]);
    settle();
    engine::testing::stepSeconds(0.3f);
    shoot("treasure_gold_carrot_reward");
    engine::testing::stepSeconds(1.5f);
    shoot("treasure_gold_carrot_after");
    EXPECT_STREQ(layer->moneyLabel()->getString(), "41");
}

TEST_F(TreasureRenderTest, TreasureExplainAndAccountBoxes) {
    GameData::instance().explains = {{1, "每天都会有一件宝物藏在这里，它会在屏幕上走来走去。点一下它就能挖到：胡萝卜马上加到积分，"
                                         "金萝卜马上加到金币，生肖卡放进我的收藏，集齐十二生肖可以兑换奖励。"}};
    treasureWith(R"({"response":1,"index":8,"value":1})", 2500);
    tapWidget(screen<CTreasureLayer>()->widget("treasureinsbtn"));
    engine::testing::stepSeconds(0.3f);
    shoot("treasure_explain");

    playAs("13800000002", 2);
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    treasureWith(R"({"response":1,"index":8,"value":1})", 2500);
    engine::testing::stepSeconds(0.3f);
    shoot("treasure_guest_box");
}

class CollectionRenderTest : public TreasureRenderTest {
protected:
    CMyCollectionScene* collectionWith(const std::string& list) {
        answer(3, list);
        enter(8);
        engine::testing::stepSeconds(0.3f);
        return screen<CMyCollectionScene>();
    }
};

TEST_F(CollectionRenderTest, SomeCards) {
    CMyCollectionScene* layer = collectionWith(R"({"response":1,"caidanlist":[2,0,1,0,5,0,1,0,0,3,0,1]})");
    ASSERT_NE(layer, nullptr);
    shoot("collection_some");
    // Each shown count sits on its own cell, clear of the neighbours' counts.
    for (int i = 0; i + 1 < CMyCollectionScene::kCards; ++i) {
        if (i == 5) continue;
        EXPECT_LT(layer->countLabel(i)->boundingBox().getMaxX(), layer->countLabel(i + 1)->boundingBox().getMinX());
    }
    layer->exchange();
    shoot("collection_not_a_set");
}

TEST_F(CollectionRenderTest, FullSetAndTheExchange) {
    answer(4, R"({"response":1,"money":120})");
    CMyCollectionScene* layer = collectionWith(R"({"response":1,"caidanlist":[1,2,1,1,3,1,1,1,2,1,1,12]})");
    ASSERT_NE(layer, nullptr);
    ASSERT_TRUE(layer->canExchange());
    shoot("collection_full_set");
    // Every count, the two-digit one too, stays on its own card.
    for (int i = 0; i < CMyCollectionScene::kCards; ++i) {
        SCOPED_TRACE(i);
        const CCRect cell = layer->cellBackground(i)->boundingBox();
        const CCRect count = layer->countLabel(i)->boundingBox();
        EXPECT_LE(count.getMaxX(), cell.getMaxX());
        EXPECT_GE(count.getMinX(), cell.getMinX());
    }
    layer->exchange();
    shoot("collection_exchange_ask");
    pressFirst(boxes().at(0));
    settle();
    engine::testing::stepSeconds(0.3f);
    shoot("collection_exchange_success");
    EXPECT_STREQ(layer->totalLabel()->getString(), "15");
}

} // namespace
