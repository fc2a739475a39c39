#include "ExtTestSupport.h"
#include "extensions/CCDrawNode.h"
#include "extensions/CCMotionStreak.h"
#include "extensions/table/CCScrollView.h"
#include "nodes/CCScene.h"
#include "sprites/CCTextureCache.h"

using namespace cocos2d;
using namespace cocos2d::extension;
namespace et = engine::testing;

namespace {

class ExtensionNodesTest : public exttest::ExtensionTest {};

TEST_F(ExtensionNodesTest, ScrollViewGlidesAfterADragAndSettlesInside)
{
    CCScene* scene = CCScene::create();
    CCScrollView* view = CCScrollView::create(CCSize(200, 200));
    view->setDirection(kCCScrollViewDirectionVertical);
    view->setContentSize(CCSize(200, 1000));
    view->setContentOffset(CCPoint(0, -800));
    view->setPosition(CCPoint(100, 100));
    scene->addChild(view);
    et::runScene(scene);

    et::touchBegan(200, 150);
    et::touchMoved(200, 160); // crosses the threshold: no scroll yet
    EXPECT_FLOAT_EQ(view->getContentOffset().y, -800);
    et::touchMoved(200, 200);
    EXPECT_FLOAT_EQ(view->getContentOffset().y, -760);
    et::touchEnded(200, 200);
    et::stepFrames(2); // a new timer's first tick only starts it
    EXPECT_GT(view->getContentOffset().y, -760); // gliding on
    et::stepFrames(200);
    float settled = view->getContentOffset().y;
    et::stepFrames(20);
    EXPECT_FLOAT_EQ(view->getContentOffset().y, settled);
    EXPECT_LE(settled, 0.f);
    EXPECT_GE(settled, -800.f);

    // Flung past the top: it comes back inside the limits within 0.15 s of stopping.
    view->setContentOffset(CCPoint(0, 30));
    et::touchBegan(200, 150);
    et::touchMoved(200, 160);
    et::touchMoved(200, 162);
    et::touchEnded(200, 162);
    et::stepFrames(120);
    EXPECT_NEAR(view->getContentOffset().y, 0.f, 0.01f);
}

TEST_F(ExtensionNodesTest, DrawNodePrimitives)
{
    CCDrawNode* node = CCDrawNode::create();
    node->drawDot(CCPoint(0, 0), 5, ccc4f(1, 0, 0, 1));
    const std::size_t dot = node->vertices().size();
    EXPECT_GT(dot, 0u);
    CCPoint square[4] = {CCPoint(0, 0), CCPoint(10, 0), CCPoint(10, 10), CCPoint(0, 10)};
    node->drawPolygon(square, 4, ccc4f(0, 1, 0, 1), 0, ccc4f(0, 0, 0, 0));
    EXPECT_EQ(node->vertices().size(), dot + 6); // a fan of two triangles, no border
    node->drawPolygon(square, 4, ccc4f(0, 1, 0, 1), 1, ccc4f(0, 0, 1, 1));
    EXPECT_EQ(node->vertices().size(), dot + 6 + 6 + 4 * 6); // fill plus four edge quads
    node->drawPolygon(square, 2, ccc4f(0, 1, 0, 1), 1, ccc4f(0, 0, 1, 1)); // not a polygon: nothing
    EXPECT_EQ(node->vertices().size(), dot + 36);
    node->clear();
    EXPECT_TRUE(node->vertices().empty());
}

TEST_F(ExtensionNodesTest, MotionStreakFadesItsPoints)
{
    SKIP_WITHOUT_SAMPLES();
    CCScene* scene = CCScene::create();
    CCMotionStreak* streak = CCMotionStreak::create(
        0.5f, 2, 10, ccc3(255, 255, 255), exttest::samples("particles/particleTexture.png").c_str());
    ASSERT_NE(streak, nullptr);
    scene->addChild(streak);
    et::runScene(scene);
    for (int i = 0; i < 20; ++i) {
        streak->setPosition(CCPoint(10.f * static_cast<float>(i), 0));
        et::stepFrames(1);
    }
    EXPECT_FLOAT_EQ(streak->getPositionX(), 0); // the node itself never moves
    EXPECT_GT(streak->pointCount(), 10u);
    EXPECT_LE(streak->pointCount(), static_cast<std::size_t>(0.5f * 60 + 2));
    et::stepFrames(40); // the head stands still: every point fades out but the last one
    EXPECT_LE(streak->pointCount(), 1u);
    EXPECT_EQ(CCMotionStreak::create(0.5f, 2, 10, ccc3(0, 0, 0), "/nonexistent/streak.png"), nullptr);
}

} // namespace
