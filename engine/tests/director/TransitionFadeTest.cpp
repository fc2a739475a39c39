#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;
using coretest::Log;
using coretest::LoggingScene;

namespace {

class TouchCounter : public CCLayer {
public:
    static TouchCounter* create()
    {
        auto* layer = new TouchCounter();
        layer->init();
        layer->autorelease();
        return layer;
    }
    bool ccTouchBegan(CCTouch*, CCEvent*) override
    {
        ++began;
        return true;
    }
    int began = 0;
};

class Fade : public EngineTest {
protected:
    CCDirector* director() { return CCDirector::sharedDirector(); }
    // Frame number (counted from the replaceScene call) at which each log entry appeared.
    void step()
    {
        ++m_frame;
        const std::size_t before = m_log.size();
        director()->stepFrame(1.0f / 60);
        for (std::size_t i = before; i < m_log.size(); ++i)
            m_frames[m_log[i]] = m_frame;
    }
    Log m_log;
    std::map<std::string, int> m_frames;
    int m_frame = 0;
};

TEST_F(Fade, EnterAndExitOrderOfBothScenesAndWhenTheNewOneRuns)
{
    LoggingScene* out = LoggingScene::create("out", &m_log);
    director()->runWithScene(out);
    director()->stepFrame();
    m_log.clear();

    LoggingScene* in = LoggingScene::create("in", &m_log);
    auto* fade = CCTransitionFade::create(0.18f, in);
    director()->replaceScene(fade);
    step();
    EXPECT_EQ(m_log, (Log{"out.onExitTransitionDidStart", "in.onEnter"}));
    EXPECT_EQ(director()->getRunningScene(), fade);
    EXPECT_TRUE(out->isRunning());
    EXPECT_TRUE(in->isRunning());
    EXPECT_FALSE(in->isVisible());
    EXPECT_FALSE(director()->getTouchDispatcher()->isDispatchEvents());

    int inRunningFrame = 0;
    while (m_frame < 40 && !inRunningFrame) {
        step();
        if (director()->getRunningScene() == in)
            inRunningFrame = m_frame;
    }
    // The fade's action steps from frame 2; it finishes when 11 sixtieths >= 0.18 s (frame 13), and
    // the replacement fires from a zero-interval timer one frame later.
    EXPECT_EQ(inRunningFrame, 14);
    EXPECT_EQ(m_log, (Log{"out.onExitTransitionDidStart", "in.onEnter", "out.onExit",
                          "in.onEnterTransitionDidFinish", "out.cleanup", "out.destroyed"}));
    EXPECT_EQ(m_frames["out.onExit"], 14);
    EXPECT_EQ(m_frames["in.onEnterTransitionDidFinish"], 14);
    EXPECT_TRUE(director()->getTouchDispatcher()->isDispatchEvents());
    EXPECT_TRUE(in->isVisible());
    EXPECT_TRUE(in->isRunning());
    step();
    EXPECT_EQ(m_log.size(), 6u); // in never enters twice
}

TEST_F(Fade, ColourLayerRisesThenFallsAndTheScenesSwapAtHalfTime)
{
    director()->runWithScene(CCScene::create());
    director()->stepFrame();
    CCScene* out = director()->getRunningScene();
    CCScene* in = CCScene::create();
    auto* fade = CCTransitionFade::create(0.18f, in, ccWHITE);
    director()->replaceScene(fade);
    std::vector<int> opacity;
    std::vector<bool> inVisible, outVisible;
    for (int frame = 1; frame <= 12; ++frame) {
        director()->stepFrame(1.0f / 60);
        auto* layer = dynamic_cast<CCLayerColor*>(fade->getChildByTag(kSceneFade));
        ASSERT_NE(layer, nullptr);
        opacity.push_back(layer->getOpacity());
        inVisible.push_back(in->isVisible());
        outVisible.push_back(out->isVisible());
        EXPECT_TRUE(ccc3BEqual(layer->getColor(), ccWHITE));
    }
    // frame 2 starts the fade (0); half time 0.09 s is first reached at frame 8 (6/60 s)
    EXPECT_EQ(opacity[1], 0);
    EXPECT_GT(opacity[5], opacity[3]);
    EXPECT_FALSE(inVisible[6]);
    EXPECT_TRUE(inVisible[7]);
    EXPECT_FALSE(outVisible[7]);
    EXPECT_GT(opacity[7], opacity[11]);
}

TEST_F(Fade, TouchesAreDroppedWhileTheFadeRuns)
{
    director()->runWithScene(CCScene::create());
    director()->stepFrame();
    CCScene* in = CCScene::create();
    TouchCounter* layer = TouchCounter::create();
    layer->setTouchMode(kCCTouchesOneByOne);
    layer->setTouchEnabled(true);
    in->addChild(layer);
    director()->replaceScene(CCTransitionFade::create(0.18f, in));
    engine::testing::stepFrames(3);
    engine::testing::tap(100, 100);
    EXPECT_EQ(layer->began, 0);
    engine::testing::stepFrames(20);
    engine::testing::tap(100, 100);
    EXPECT_EQ(layer->began, 1);
}

TEST_F(Fade, DrawsOutSceneThenInSceneThenTheColourLayer)
{
    struct Marker : CCNode {
        std::vector<std::string>* order;
        std::string name;
        void draw() override { order->push_back(name); }
    };
    std::vector<std::string> order;
    auto scene = [&](const char* name) {
        CCScene* s = CCScene::create();
        auto* m = new Marker();
        m->order = &order;
        m->name = name;
        m->autorelease();
        s->addChild(m);
        return s;
    };
    director()->runWithScene(scene("out"));
    director()->stepFrame();
    CCScene* in = scene("in");
    auto* fade = CCTransitionFade::create(0.18f, in);
    director()->replaceScene(fade);
    engine::testing::stepFrames(9); // second half: in visible, out hidden
    order.clear();
    in->setVisible(true);
    director()->getRunningScene()->visit();
    EXPECT_EQ(order, (std::vector<std::string>{"in"}));
    auto* layer = fade->getChildByTag(kSceneFade);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->getZOrder(), 2); // above the scenes drawn by the transition's own draw()
}

} // namespace

namespace {

class FadeInterrupted : public Fade {};

// A fade that tells whether it has ended and only waits for its switch to the incoming scene.
class PendingFade : public CCTransitionFade {
public:
    static PendingFade* create(float duration, CCScene* scene)
    {
        auto* fade = new PendingFade();
        fade->initWithDuration(duration, scene);
        fade->autorelease();
        return fade;
    }
    bool switchPending()
    {
        return CCDirector::sharedDirector()->getScheduler()->isScheduled(
            schedule_selector(PendingFade::setNewScene), this);
    }
};

TEST_F(FadeInterrupted, ReplacingDuringTheFadeEndsItCleanly)
{
    LoggingScene* out = LoggingScene::create("out", &m_log);
    director()->runWithScene(out);
    director()->stepFrame();
    LoggingScene* in = LoggingScene::create("in", &m_log);
    director()->replaceScene(CCTransitionFade::create(0.18f, in));
    engine::testing::stepFrames(5);
    m_log.clear();
    LoggingScene* next = LoggingScene::create("next", &m_log);
    director()->replaceScene(next);
    director()->stepFrame();
    EXPECT_EQ(director()->getRunningScene(), next);
    EXPECT_EQ(m_log, (Log{"out.onExit", "in.onEnterTransitionDidFinish", "out.cleanup", "out.destroyed",
                          "in.onExitTransitionDidStart", "in.onExit", "in.cleanup", "in.destroyed", "next.onEnter",
                          "next.onEnterTransitionDidFinish"}));
    EXPECT_TRUE(director()->getTouchDispatcher()->isDispatchEvents());
    engine::testing::stepFrames(30); // the abandoned fade must not switch back later
    EXPECT_EQ(director()->getRunningScene(), next);
}

TEST_F(FadeInterrupted, ASecondFadeLeavesFromTheFirstFadesTarget)
{
    director()->runWithScene(LoggingScene::create("out", &m_log));
    director()->stepFrame();
    LoggingScene* in = LoggingScene::create("in", &m_log);
    director()->replaceScene(CCTransitionFade::create(0.18f, in));
    engine::testing::stepFrames(5);
    LoggingScene* next = LoggingScene::create("next", &m_log);
    auto* second = CCTransitionFade::create(0.18f, next);
    EXPECT_EQ(second->getOutScene(), in);
    director()->replaceScene(second);
    engine::testing::stepFrames(40);
    EXPECT_EQ(director()->getRunningScene(), next);
    EXPECT_EQ(coretest::filtered(m_log, {"in."}),
              (Log{"in.onEnter", "in.onEnterTransitionDidFinish", "in.onExitTransitionDidStart", "in.onExit",
                   "in.cleanup", "in.destroyed"}));
    EXPECT_TRUE(director()->getTouchDispatcher()->isDispatchEvents());
}

TEST_F(FadeInterrupted, ASwitchAskedForBetweenTheFadesEndAndItsSwitchWins)
{
    director()->runWithScene(LoggingScene::create("out", &m_log));
    director()->stepFrame();
    LoggingScene* in = LoggingScene::create("in", &m_log);
    auto* fade = PendingFade::create(0.18f, in);
    director()->replaceScene(fade);
    for (int frame = 0; frame < 60 && !fade->switchPending(); ++frame)
        director()->stepFrame(1.0f / 60);
    ASSERT_TRUE(fade->switchPending());

    LoggingScene* next = LoggingScene::create("next", &m_log);
    director()->replaceScene(CCTransitionFade::create(0.18f, next));
    engine::testing::stepFrames(40);
    EXPECT_EQ(director()->getRunningScene(), next);
    EXPECT_EQ(coretest::filtered(m_log, {"next."}), (Log{"next.onEnter", "next.onEnterTransitionDidFinish"}));
    EXPECT_EQ(coretest::filtered(m_log, {"in."}),
              (Log{"in.onEnter", "in.onEnterTransitionDidFinish", "in.onExitTransitionDidStart", "in.onExit",
                   "in.cleanup", "in.destroyed"}));
    EXPECT_TRUE(director()->getTouchDispatcher()->isDispatchEvents());
}

} // namespace
