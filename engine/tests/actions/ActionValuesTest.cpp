#include <cmath>

#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;

namespace {

// Runs an action on a node by hand: start, then update(t) at chosen instants.
class ActionValues : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_node = CCLayerColor::create(ccc4(0, 0, 0, 255), 10, 10);
        m_node->retain();
        m_node->ignoreAnchorPointForPosition(false);
    }
    void TearDown() override
    {
        m_node->release();
        EngineTest::TearDown();
    }
    CCLayerColor* m_node = nullptr;
};

TEST_F(ActionValues, RotateToTakesTheShortWay)
{
    struct Case {
        float start, target, end;
    };
    const Case cases[] = {
        {0, 270, -90}, {0, 90, 90}, {350, 10, 370}, {720 + 30, 60, 60}, {0, -270, 90}, {-90, 180, -180}, {10, 10, 10},
    };
    for (const Case& c : cases) {
        m_node->setRotation(c.start);
        CCRotateTo* rotate = CCRotateTo::create(1, c.target);
        rotate->startWithTarget(m_node);
        rotate->update(1);
        EXPECT_NEAR(m_node->getRotation(), c.end, 1e-3) << c.start << " -> " << c.target;
    }
}

TEST_F(ActionValues, PropertyActionsAtChosenInstants)
{
    struct Case {
        const char* what;
        std::function<void(CCNode*)> before;
        std::function<CCActionInterval*()> make;
        float t;
        std::function<float(CCLayerColor*)> read;
        float expected;
    };
    auto none = [](CCNode*) {};
    const Case cases[] = {
        {"ScaleTo", none, [] { return CCScaleTo::create(1, 3); }, 0.5f, [](CCLayerColor* n) { return n->getScaleX(); }, 2},
        {"ScaleBy from 2", [](CCNode* n) { n->setScale(2); }, [] { return CCScaleBy::create(1, 3); }, 0.5f,
         [](CCLayerColor* n) { return n->getScaleY(); }, 4},
        {"RotateBy", [](CCNode* n) { n->setRotation(30); }, [] { return CCRotateBy::create(1, 400); }, 0.25f,
         [](CCLayerColor* n) { return n->getRotation(); }, 130},
        {"SkewTo", none, [] { return CCSkewTo::create(1, 40, 0); }, 0.5f, [](CCLayerColor* n) { return n->getSkewX(); },
         20},
        {"SkewBy", [](CCNode* n) { n->setSkewY(10); }, [] { return CCSkewBy::create(1, 0, 30); }, 1.0f,
         [](CCLayerColor* n) { return n->getSkewY(); }, 40},
        {"FadeIn ignores the current opacity", [](CCNode* n) { static_cast<CCLayerColor*>(n)->setOpacity(200); },
         [] { return CCFadeIn::create(1); }, 0.0f,
         [](CCLayerColor* n) { return static_cast<float>(n->getOpacity()); }, 0},
        {"FadeIn truncates", none, [] { return CCFadeIn::create(1); }, 0.5f,
         [](CCLayerColor* n) { return static_cast<float>(n->getOpacity()); }, 127},
        {"FadeOut", none, [] { return CCFadeOut::create(1); }, 0.25f,
         [](CCLayerColor* n) { return static_cast<float>(n->getOpacity()); }, 191},
        {"FadeTo", [](CCNode* n) { static_cast<CCLayerColor*>(n)->setOpacity(100); },
         [] { return CCFadeTo::create(1, 200); }, 0.5f,
         [](CCLayerColor* n) { return static_cast<float>(n->getOpacity()); }, 150},
        {"TintTo red", [](CCNode* n) { static_cast<CCLayerColor*>(n)->setColor(ccc3(0, 255, 0)); },
         [] { return CCTintTo::create(1, 255, 80, 30); }, 0.5f,
         [](CCLayerColor* n) { return static_cast<float>(n->getColor().r); }, 127},
        {"TintTo green", [](CCNode* n) { static_cast<CCLayerColor*>(n)->setColor(ccc3(0, 255, 0)); },
         [] { return CCTintTo::create(1, 255, 80, 30); }, 0.5f,
         [](CCLayerColor* n) { return static_cast<float>(n->getColor().g); }, 167},
        {"TintBy negative", [](CCNode* n) { static_cast<CCLayerColor*>(n)->setColor(ccc3(200, 200, 200)); },
         [] { return CCTintBy::create(1, -100, 0, 50); }, 1.0f,
         [](CCLayerColor* n) { return static_cast<float>(n->getColor().r); }, 100},
        {"TintBy clamps", [](CCNode* n) { static_cast<CCLayerColor*>(n)->setColor(ccc3(200, 200, 200)); },
         [] { return CCTintBy::create(1, -100, 0, 100); }, 1.0f,
         [](CCLayerColor* n) { return static_cast<float>(n->getColor().b); }, 255},
        {"JumpBy height", none, [] { return CCJumpBy::create(1, ccp(100, 20), 50, 1); }, 0.25f,
         [](CCLayerColor* n) { return n->getPositionY(); }, 50 * 4 * 0.25f * 0.75f + 5},
        {"JumpBy x", none, [] { return CCJumpBy::create(1, ccp(100, 20), 50, 2); }, 0.25f,
         [](CCLayerColor* n) { return n->getPositionX(); }, 25},
        {"JumpBy second jump at top", none, [] { return CCJumpBy::create(1, ccp(0, 0), 50, 2); }, 0.75f,
         [](CCLayerColor* n) { return n->getPositionY(); }, 50},
        {"JumpTo", [](CCNode* n) { n->setPosition(ccp(10, 10)); },
         [] { return CCJumpTo::create(1, ccp(110, 10), 30, 3); }, 1.0f, [](CCLayerColor* n) { return n->getPositionX(); },
         110},
    };
    for (const Case& c : cases) {
        m_node->setScale(1);
        m_node->setRotation(0);
        m_node->setSkewX(0);
        m_node->setSkewY(0);
        m_node->setPosition(ccp(0, 0));
        m_node->setOpacity(255);
        m_node->setColor(ccWHITE);
        c.before(m_node);
        CCActionInterval* action = c.make();
        action->startWithTarget(m_node);
        action->update(c.t);
        EXPECT_NEAR(c.read(m_node), c.expected, 1e-3) << c.what;
    }
}

TEST_F(ActionValues, BezierPassesTheCubicPoints)
{
    ccBezierConfig config;
    config.controlPoint_1 = ccp(0, 100);
    config.controlPoint_2 = ccp(100, 100);
    config.endPosition = ccp(100, 0);
    m_node->setPosition(ccp(10, 10));
    CCBezierBy* by = CCBezierBy::create(1, config);
    by->startWithTarget(m_node);
    by->update(0.5f);
    EXPECT_NEAR(m_node->getPositionX(), 10 + 0.375f * 0 + 0.375f * 100 + 0.125f * 100, 1e-3);
    EXPECT_NEAR(m_node->getPositionY(), 10 + 0.375f * 100 + 0.375f * 100, 1e-3);

    // BezierTo takes absolute points
    m_node->setPosition(ccp(10, 10));
    CCBezierTo* to = CCBezierTo::create(1, config);
    to->startWithTarget(m_node);
    to->update(1);
    EXPECT_TRUE(m_node->getPosition().fuzzyEquals(ccp(100, 0), 1e-3f));
}

TEST_F(ActionValues, CardinalSplinePassesThroughEveryPoint)
{
    CCPointArray* points = CCPointArray::create(4);
    points->addControlPoint(ccp(0, 0));
    points->addControlPoint(ccp(100, 0));
    points->addControlPoint(ccp(100, 100));
    points->addControlPoint(ccp(0, 100));
    CCCardinalSplineTo* spline = CCCardinalSplineTo::create(3, points, 0);
    spline->startWithTarget(m_node);
    for (unsigned int i = 0; i < 4; ++i) {
        spline->update(static_cast<float>(i) / 3);
        EXPECT_TRUE(m_node->getPosition().fuzzyEquals(points->getControlPointAtIndex(i), 1e-2f)) << i;
    }
    // Mid-segment value of the first segment: its incoming neighbour is the last point (0, 100).
    spline->startWithTarget(m_node);
    spline->update(1.0f / 6);
    CCPoint p0 = ccp(0, 100), p1 = ccp(0, 0), p2 = ccp(100, 0), p3 = ccp(100, 100);
    CCPoint expected = ccCardinalSplineAt(p0, p1, p2, p3, 0, 0.5f);
    EXPECT_TRUE(m_node->getPosition().fuzzyEquals(expected, 1e-2f));
    // s = 0.5, lt = 0.5: P0 * -0.0625 + P1 * 0.5625 + P2 * 0.5625 + P3 * -0.0625
    EXPECT_NEAR(expected.x, 100 * 0.5625f - 100 * 0.0625f, 1e-3);
    EXPECT_NEAR(expected.y, -100 * 0.0625f - 100 * 0.0625f, 1e-3);
}

TEST_F(ActionValues, CardinalSplineByIsRelativeAndCatmullRomUsesHalfTension)
{
    CCPointArray* points = CCPointArray::create(3);
    points->addControlPoint(ccp(0, 0));
    points->addControlPoint(ccp(50, 50));
    points->addControlPoint(ccp(100, 0));
    m_node->setPosition(ccp(200, 200));
    CCCatmullRomBy* by = CCCatmullRomBy::create(1, points);
    by->startWithTarget(m_node);
    by->update(0.5f);
    EXPECT_TRUE(m_node->getPosition().fuzzyEquals(ccp(250, 250), 1e-2f));
    by->update(1.0f);
    EXPECT_TRUE(m_node->getPosition().fuzzyEquals(ccp(300, 200), 1e-2f));
}

TEST_F(ActionValues, BlinkTogglesAndRestores)
{
    m_node->setVisible(true);
    CCBlink* blink = CCBlink::create(1, 2);
    blink->startWithTarget(m_node);
    struct Case {
        float t;
        bool visible;
    };
    for (const Case& c : {Case{0, false}, Case{0.1f, false}, Case{0.3f, true}, Case{0.6f, false}, Case{0.8f, true}}) {
        blink->update(c.t);
        EXPECT_EQ(m_node->isVisible(), c.visible) << c.t;
    }
    m_node->setVisible(false);
    blink->stop();
    EXPECT_TRUE(m_node->isVisible());
}

TEST_F(ActionValues, OrbitCameraFlipsThePictureAboutItsVerticalAxis)
{
    CCOrbitCamera* orbit = CCOrbitCamera::create(1, 1, 0, 0, 180, 0, 0);
    orbit->startWithTarget(m_node);
    struct Case {
        float t;
        float localX; // where the node's right edge (x = 10, anchor 5) ends up relative to the anchor
    };
    for (const Case& c : {Case{0, 5}, Case{0.5f, 0}, Case{1, -5}}) {
        orbit->update(c.t);
        Mat4 m = m_node->nodeToParentMatrix();
        float x, y, z;
        m.transformPoint(10, 5, 0, x, y, z);
        float ax, ay, az;
        m.transformPoint(5, 5, 0, ax, ay, az);
        EXPECT_NEAR(x - ax, c.localX, 1e-3) << c.t;
    }
    // hit tests ignore the camera
    EXPECT_NEAR(m_node->convertToWorldSpace(ccp(10, 5)).x, 5, 1e-3);
    m_node->getCamera()->restore();
    EXPECT_FALSE(m_node->getCamera()->isDirty());
}

} // namespace
