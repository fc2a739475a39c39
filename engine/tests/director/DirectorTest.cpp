#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;
using coretest::Log;
using coretest::LoggingScene;

namespace {

class Director : public EngineTest {
protected:
    CCDirector* director() { return CCDirector::sharedDirector(); }
    Log m_log;
};

TEST_F(Director, FirstSceneEntersDuringTheFirstFrame)
{
    LoggingScene* scene = LoggingScene::create("s", &m_log);
    director()->runWithScene(scene);
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(director()->getRunningScene(), nullptr);
    director()->stepFrame();
    EXPECT_EQ(m_log, (Log{"s.onEnter", "s.onEnterTransitionDidFinish"}));
    EXPECT_EQ(director()->getRunningScene(), scene);
}

TEST_F(Director, ReplaceSceneSwitchesAtTheNextFrameAndDestroysTheOldScene)
{
    director()->runWithScene(LoggingScene::create("a", &m_log));
    director()->stepFrame();
    m_log.clear();
    LoggingScene* b = LoggingScene::create("b", &m_log);
    director()->replaceScene(b);
    EXPECT_TRUE(m_log.empty());
    director()->stepFrame();
    EXPECT_EQ(m_log, (Log{"a.onExitTransitionDidStart", "a.onExit", "a.cleanup", "a.destroyed", "b.onEnter",
                          "b.onEnterTransitionDidFinish"}));
    EXPECT_EQ(director()->getRunningScene(), b);
}

TEST_F(Director, PushKeepsTheSceneAndPopBringsItBack)
{
    LoggingScene* a = LoggingScene::create("a", &m_log);
    director()->runWithScene(a);
    director()->stepFrame();
    CCNode* mover = CCNode::create();
    a->addChild(mover);
    mover->runAction(CCMoveBy::create(1.0f, ccp(60, 0)));
    director()->pushScene(LoggingScene::create("b", &m_log));
    engine::testing::stepFrames(2);
    const float paused = mover->getPositionX();
    engine::testing::stepFrames(5);
    EXPECT_FLOAT_EQ(mover->getPositionX(), paused); // a is not running: its actions wait
    EXPECT_EQ(director()->getSceneCount(), 2u);
    m_log.clear();
    director()->popScene();
    director()->stepFrame();
    EXPECT_EQ(m_log, (Log{"b.onExitTransitionDidStart", "b.onExit", "b.cleanup", "b.destroyed", "a.onEnter",
                          "a.onEnterTransitionDidFinish"}));
    engine::testing::stepFrames(2);
    EXPECT_GT(mover->getPositionX(), paused);
}

TEST_F(Director, PoppingTheLastSceneEndsTheDirector)
{
    director()->runWithScene(LoggingScene::create("a", &m_log));
    director()->stepFrame();
    m_log.clear();
    director()->popScene();
    director()->stepFrame();
    EXPECT_TRUE(director()->hasEnded());
    EXPECT_EQ(director()->getRunningScene(), nullptr);
    EXPECT_EQ(m_log, (Log{"a.onExitTransitionDidStart", "a.onExit", "a.cleanup", "a.destroyed"}));
}

TEST_F(Director, PauseStopsTheSchedulerButKeepsDrawingAndResumeGivesAZeroStep)
{
    struct Counter : CCNode {
        std::vector<float> dts;
        int draws = 0;
        void update(float dt) override { dts.push_back(dt); }
        void draw() override { ++draws; }
    };
    CCScene* scene = CCScene::create();
    auto* counter = new Counter();
    counter->autorelease();
    scene->addChild(counter);
    engine::testing::runScene(scene);
    counter->scheduleUpdate();
    engine::testing::stepFrames(2);
    director()->pause();
    EXPECT_DOUBLE_EQ(director()->getAnimationInterval(), 0.25);
    const int drawsBefore = counter->draws;
    engine::testing::stepFrames(3);
    EXPECT_EQ(counter->dts.size(), 2u);
    EXPECT_EQ(counter->draws, drawsBefore + 3);
    director()->resume();
    EXPECT_DOUBLE_EQ(director()->getAnimationInterval(), 1.0 / 60);
    engine::testing::stepFrames(2);
    ASSERT_EQ(counter->dts.size(), 4u);
    EXPECT_EQ(counter->dts[2], 0.0f);
    EXPECT_FLOAT_EQ(counter->dts[3], 1.0f / 60);
}

TEST_F(Director, StoppedAnimationRunsNoFrames)
{
    struct Counter : CCNode {
        int updates = 0;
        void update(float) override { ++updates; }
    };
    CCScene* scene = CCScene::create();
    auto* counter = new Counter();
    counter->autorelease();
    scene->addChild(counter);
    engine::testing::runScene(scene);
    counter->scheduleUpdate();
    director()->stopAnimation();
    engine::testing::stepFrames(4);
    EXPECT_EQ(counter->updates, 0);
    director()->startAnimation();
    engine::testing::stepFrames(1);
    EXPECT_EQ(counter->updates, 1);
}

TEST_F(Director, FrameHookRunsAfterTheSchedulerEveryFrame)
{
    std::vector<std::string> order;
    struct Updater : CCNode {
        std::vector<std::string>* order;
        void update(float) override { order->push_back("update"); }
    };
    CCScene* scene = CCScene::create();
    auto* u = new Updater();
    u->order = &order;
    u->autorelease();
    scene->addChild(u);
    engine::testing::runScene(scene);
    u->scheduleUpdate();
    director()->setFrameHook([&](float) { order.push_back("hook"); });
    engine::testing::stepFrames(2);
    EXPECT_EQ(order, (std::vector<std::string>{"update", "hook", "update", "hook"}));
    director()->pause();
    engine::testing::stepFrames(1);
    EXPECT_EQ(order.back(), "hook"); // the network pump keeps running while paused
}

TEST_F(Director, CoordinatesAndProjection)
{
    EXPECT_TRUE(director()->getWinSize().equals(CCSizeMake(960, 640)));
    EXPECT_TRUE(director()->convertToGL(ccp(10, 600)).equals(ccp(10, 40)));
    EXPECT_TRUE(director()->convertToUI(ccp(10, 40)).equals(ccp(10, 600)));
    EXPECT_NEAR(director()->getZEye(), 640 / 1.1566f, 1e-3);
    // At z = 0 one unit is one design point: the window corners land on the clip-space corners
    // (within 0.2 %: the engine's 1.1566 rounds 2 tan 30 = 1.1547).
    Mat4 p = director()->getProjectionMatrix();
    struct Case {
        float x, y, clipX, clipY;
    };
    for (const Case& c : {Case{480, 320, 0, 0}, Case{960, 640, 1, 1}, Case{0, 0, -1, -1}, Case{240, 480, -0.5f, 0.5f}}) {
        float cx, cy, cz;
        p.transformPoint(c.x, c.y, 0, cx, cy, cz);
        const float w = p.at(3, 0) * c.x + p.at(3, 1) * c.y + p.at(3, 3);
        EXPECT_NEAR(cx / w, c.clipX, 2e-3);
        EXPECT_NEAR(cy / w, c.clipY, 2e-3);
    }
}

TEST_F(Director, EndPurgesOnTheNextFrame)
{
    director()->runWithScene(LoggingScene::create("a", &m_log));
    director()->stepFrame();
    bool purged = false;
    director()->addPurgeListener([&] { purged = true; });
    m_log.clear();
    director()->end();
    EXPECT_FALSE(director()->hasEnded());
    director()->stepFrame();
    EXPECT_TRUE(director()->hasEnded());
    EXPECT_TRUE(purged);
    EXPECT_EQ(m_log, (Log{"a.onExitTransitionDidStart", "a.onExit", "a.cleanup", "a.destroyed"}));
}

} // namespace
