// The render registry and the stage: every pair of the table has its renderer, a question of the
// same pair reuses its screen, another pair replaces it. Also the hit test question screens share.
#include "quiz/CPlayLayer.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuestionStage.h"

#include "testing/EngineTesting.h"

#include <set>
#include <typeinfo>

USING_NS_CC;
using namespace test_support;

namespace {

class QuestionStageTest : public PlayTest {};

TEST_F(QuestionStageTest, EveryPairOfTheTableHasItsRenderer) {
    struct Pair {
        int gameType, playType;
        const std::type_info& renderer;
    };
    const Pair table[] = {
        {1, 1, typeid(CChoiceYNQuestionRender)},    {1, 2, typeid(CSudokuQuestionRender)},
        {1, 3, typeid(CHitTxtRender)},              {1, 4, typeid(CTextFindDiffQuestionRender)},
        {1, 6, typeid(CSortTxtRender)},             {1, 7, typeid(CChoiceQuestionRender)},
        {1, 8, typeid(CChoiceQuestionRender)},      {1, 9, typeid(CChoiceQuestionRender)},
        {1, 10, typeid(CChoiceQuestionRender)},     {1, 11, typeid(CChoiceQuestionRender)},
        {1, 15, typeid(CChoiceQuestionRender)},     {1, 13, typeid(CChoiceSymbolRender)},
        {1, 14, typeid(CEliminateQuestionRender)},  {2, 1, typeid(CPuzzleRender)},
        {2, 2, typeid(CPickRender)},                {2, 3, typeid(CRakeCardRender)},
        {2, 4, typeid(CGuessGraphRender)},          {2, 11, typeid(CGuessGraphRender)},
        {2, 5, typeid(CGuessColorRender)},          {2, 6, typeid(CFindGraphRender)},
        {2, 7, typeid(CChoiceNumRender)},           {2, 13, typeid(CChoiceNumRender)},
        {2, 8, typeid(CChooseImageRender)},         {2, 9, typeid(CChooseImageRender)},
        {2, 12, typeid(CChoiceSameRender)},         {2, 14, typeid(CImageMoveRender)},
        {3, 1, typeid(CVoiceRender)},               {3, 2, typeid(CVoiceFillRender)},
        {4, 1, typeid(CVideoRender)},               {4, 2, typeid(CVideoFillRender)},
    };
    QuestionStage& stage = QuestionStage::instance();
    std::set<CQuestionRender*> instances;
    for (const Pair& pair : table) {
        SCOPED_TRACE(std::to_string(pair.gameType) + "/" + std::to_string(pair.playType));
        CQuestionRender* renderer = stage.lookup(pair.gameType, pair.playType);
        ASSERT_NE(renderer, nullptr);
        EXPECT_EQ(typeid(*renderer), pair.renderer);
        instances.insert(renderer);
    }
    // One instance per pair, even for a class registered under several pairs.
    EXPECT_EQ(instances.size(), std::size(table));

    for (auto [gameType, playType] : {std::pair{1, 5}, {1, 12}, {2, 10}, {5, 1}, {0, 1}, {-1, 7}, {3, 3}}) {
        EXPECT_EQ(stage.lookup(gameType, playType), nullptr) << gameType << "/" << playType;
        EXPECT_EQ(stage.wantedGameType(), gameType);
        EXPECT_EQ(stage.wantedPlayType(), playType);
    }
}

TEST_F(QuestionStageTest, SamePairReusesTheScreenAnotherPairReplacesIt) {
    CPlayLayer* host = enterPlay();
    ASSERT_NE(host, nullptr);
    QuestionStage& stage = QuestionStage::instance();
    ASSERT_EQ(stage.host(), host);

    stage.lookup(1, 7);
    stage.present<StubScreen>();
    auto* first = static_cast<StubScreen*>(stage.current());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->getParent(), host);
    EXPECT_EQ(first->shown, 1);
    const unsigned children = host->getChildrenCount();

    // The same pair again: the very screen, made visible and filled again.
    first->setVisible(false);
    stage.lookup(1, 7);
    stage.present<StubScreen>();
    EXPECT_EQ(stage.current(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->shown, 2);
    EXPECT_EQ(host->getChildrenCount(), children);
    EXPECT_EQ(StubScreen::s_created, 1);

    // Another pair: the old screen leaves before the new one comes.
    first->retain();
    stage.lookup(2, 8);
    stage.present<OtherStubScreen>();
    EXPECT_EQ(first->getParent(), nullptr);
    first->release();
    ASSERT_NE(stage.current(), nullptr);
    EXPECT_NE(dynamic_cast<OtherStubScreen*>(stage.current()), nullptr);
    EXPECT_EQ(host->getChildrenCount(), children);
    EXPECT_EQ(stage.shownGameType(), 2);
    EXPECT_EQ(stage.shownPlayType(), 8);

    // After a reset the first draw always builds a new screen, even for the shown pair.
    stage.reset();
    stage.setHost(host);
    stage.lookup(2, 8);
    stage.present<OtherStubScreen>();
    EXPECT_EQ(StubScreen::s_created, 3);
}

TEST_F(QuestionStageTest, AnsweredLockAndRemovalGoThroughTheStage) {
    CPlayLayer* host = enterPlay();
    QuestionStage& stage = QuestionStage::instance();
    stage.setAnswered(true); // no screen: nothing to lock, nothing breaks
    StubScreen* screen = showStubQuestion(101);
    ASSERT_NE(screen, nullptr);
    stage.setAnswered(true);
    EXPECT_TRUE(screen->isAnswered());
    stage.setAnswered(false);
    EXPECT_FALSE(screen->isAnswered());
    screen->retain();
    stage.removeCurrent();
    EXPECT_EQ(stage.current(), nullptr);
    EXPECT_EQ(screen->getParent(), nullptr);
    EXPECT_NE(host, nullptr);
    screen->release();
}

TEST(IsInside, BoxAroundThePositionWithWholePixels) {
    CCNode* node = CCNode::create();
    node->setPosition(ccp(100.7f, 50.2f));
    node->setContentSize(CCSizeMake(41.9f, 20.5f)); // truncated to 41 and 20: halves 20.5 and 10
    struct Case {
        float x, y;
        bool inside;
    };
    const Case cases[] = {
        {100, 50, true},    {79.5f, 50, true},  {120.5f, 50, true}, {79.4f, 50, false}, {120.6f, 50, false},
        {100, 40, true},    {100, 60, true},    {100, 39.9f, false}, {100, 60.1f, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isInside(node, ccp(c.x, c.y)), c.inside) << c.x << "," << c.y;
    }
    EXPECT_FALSE(isInside(nullptr, ccp(0, 0)));
}

} // namespace
