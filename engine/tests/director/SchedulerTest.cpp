#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;

namespace {

// dt = 1/8 s is exact in binary, so the elapsed sums compare exactly.
constexpr float kDt = 0.125f;

class Ticker : public CCNode {
public:
    static Ticker* create()
    {
        auto* t = new Ticker();
        t->init();
        t->autorelease();
        return t;
    }
    void tick(float dt)
    {
        calls.push_back({frame, dt});
        if (unscheduleSelfOnCall)
            unschedule(schedule_selector(Ticker::tick));
        if (unscheduleOtherOnCall)
            unschedule(schedule_selector(Ticker::other));
    }
    void other(float) { otherCalls.push_back(frame); }
    struct Call {
        int frame;
        float dt;
    };
    std::vector<Call> calls;
    std::vector<int> otherCalls;
    int frame = 0;
    bool unscheduleSelfOnCall = false;
    bool unscheduleOtherOnCall = false;
};

class Scheduling : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_scene = CCScene::create();
        engine::testing::runScene(m_scene);
        m_ticker = Ticker::create();
        m_scene->addChild(m_ticker);
    }
    // Frames are numbered from 1 after scheduling.
    void run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            ++m_ticker->frame;
            CCDirector::sharedDirector()->stepFrame(kDt);
        }
    }
    CCScene* m_scene = nullptr;
    Ticker* m_ticker = nullptr;
};

TEST_F(Scheduling, TimerSemanticsTable)
{
    struct Case {
        const char* what;
        float interval;
        unsigned int repeat;
        float delay;
        std::vector<int> frames;
        std::vector<float> dts;
    };
    const Case cases[] = {
        // the first tick only initialises; then elapsed accumulates from the second
        {"every frame", 0, kCCRepeatForever, 0, {2, 3, 4, 5}, {kDt, kDt, kDt, kDt}},
        {"half second forever", 0.5f, kCCRepeatForever, 0, {5, 9, 13}, {0.5f, 0.5f, 0.5f}},
        {"repeat 2 gives 3 calls", 0.25f, 2, 0, {3, 5, 7}, {0.25f, 0.25f, 0.25f}},
        {"delay then interval", 0.5f, 1, 0.25f, {3, 7}, {0.25f, 0.5f}},
        {"odd interval keeps the accumulated time", 0.3f, kCCRepeatForever, 0, {4, 7, 10},
         {0.375f, 0.375f, 0.375f}},
    };
    for (const Case& c : cases) {
        SetUp();
        m_ticker->schedule(schedule_selector(Ticker::tick), c.interval, c.repeat, c.delay);
        run(13);
        std::vector<int> frames;
        std::vector<float> dts;
        for (const auto& call : m_ticker->calls) {
            frames.push_back(call.frame);
            dts.push_back(call.dt);
        }
        // "every frame" would continue; compare the prefix
        frames.resize(std::min(frames.size(), c.frames.size()));
        dts.resize(frames.size());
        EXPECT_EQ(frames, c.frames) << c.what;
        EXPECT_EQ(dts, c.dts) << c.what;
        if (c.repeat != kCCRepeatForever) {
            EXPECT_FALSE(m_ticker->isScheduled(schedule_selector(Ticker::tick))) << c.what;
        }
        TearDown();
    }
}

TEST_F(Scheduling, ScheduleOnceCallsExactlyOnceWithTheAccumulatedTime)
{
    m_ticker->scheduleOnce(schedule_selector(Ticker::tick), 0.3f);
    run(20);
    ASSERT_EQ(m_ticker->calls.size(), 1u);
    EXPECT_EQ(m_ticker->calls[0].frame, 4);
    EXPECT_FLOAT_EQ(m_ticker->calls[0].dt, 0.375f);
    EXPECT_FALSE(m_ticker->isScheduled(schedule_selector(Ticker::tick)));
}

TEST_F(Scheduling, SchedulingAgainOnlyChangesTheInterval)
{
    m_ticker->schedule(schedule_selector(Ticker::tick), 1.0f);
    run(3); // elapsed 0.25 so far
    m_ticker->schedule(schedule_selector(Ticker::tick), 0.5f);
    run(3);
    ASSERT_EQ(m_ticker->calls.size(), 1u);
    EXPECT_EQ(m_ticker->calls[0].frame, 5); // elapsed kept: 0.25 + 2 * 0.125
}

TEST_F(Scheduling, UnschedulingInsideTheCallbackStopsAtOnce)
{
    m_ticker->unscheduleSelfOnCall = true;
    m_ticker->schedule(schedule_selector(Ticker::tick));
    run(10);
    EXPECT_EQ(m_ticker->calls.size(), 1u);
    EXPECT_FALSE(m_ticker->isScheduled(schedule_selector(Ticker::tick)));
}

TEST_F(Scheduling, UnschedulingALaterTimerOfTheSameTargetSkipsIt)
{
    m_ticker->unscheduleOtherOnCall = true;
    m_ticker->schedule(schedule_selector(Ticker::tick));
    m_ticker->schedule(schedule_selector(Ticker::other));
    run(5);
    EXPECT_EQ(m_ticker->calls.size(), 4u);
    EXPECT_TRUE(m_ticker->otherCalls.empty());
}

TEST_F(Scheduling, TimersOfANodeOutsideTheSceneArePausedAndCleanupRemovesThem)
{
    Ticker* loose = Ticker::create();
    loose->schedule(schedule_selector(Ticker::tick));
    run(5);
    EXPECT_TRUE(loose->calls.empty());
    m_scene->addChild(loose);
    run(3);
    EXPECT_EQ(loose->calls.size(), 2u); // first tick after resuming initialises
    m_ticker->retain();
    m_ticker->schedule(schedule_selector(Ticker::tick));
    m_ticker->removeFromParent(); // cleanup
    EXPECT_FALSE(m_ticker->isScheduled(schedule_selector(Ticker::tick)));
    m_ticker->release();
}

TEST_F(Scheduling, PauseAndResumeOfOneTarget)
{
    m_ticker->schedule(schedule_selector(Ticker::tick));
    run(3);
    m_ticker->pauseSchedulerAndActions();
    run(4);
    m_ticker->resumeSchedulerAndActions();
    run(2);
    std::vector<int> frames;
    for (const auto& call : m_ticker->calls)
        frames.push_back(call.frame);
    EXPECT_EQ(frames, (std::vector<int>{2, 3, 8, 9}));
}

// Update targets record the global order in which they ran.
class Updater : public CCNode {
public:
    Updater(std::vector<std::string>* order, std::string name) : m_order(order), m_name(std::move(name)) {}
    void update(float) override
    {
        m_order->push_back(m_name);
        if (unscheduleSelf)
            unscheduleUpdate();
    }
    bool unscheduleSelf = false;

private:
    std::vector<std::string>* m_order;
    std::string m_name;
};

class OrderAction : public CCActionInterval {
public:
    explicit OrderAction(std::vector<std::string>* order) : m_order(order) { initWithDuration(10); }
    void update(float) override { m_order->push_back("action"); }

private:
    std::vector<std::string>* m_order;
};

TEST_F(Scheduling, UpdatePrioritiesActionsFirstThenTimers)
{
    std::vector<std::string> order;
    auto add = [&](const char* name, int priority) {
        auto* u = new Updater(&order, name);
        u->autorelease();
        m_scene->addChild(u);
        u->scheduleUpdateWithPriority(priority);
        return u;
    };
    add("p5", 5);
    add("zeroA", 0);
    add("minus1", -1);
    add("zeroB", 0);
    auto* action = new OrderAction(&order);
    action->autorelease();
    m_ticker->runAction(action);
    struct TimerProbe : CCNode {
        std::vector<std::string>* order;
        void fire(float) { order->push_back("timer"); }
    };
    auto* probe = new TimerProbe();
    probe->order = &order;
    probe->autorelease();
    m_scene->addChild(probe);
    probe->schedule(schedule_selector(TimerProbe::fire));
    run(1); // timer initialises
    order.clear();
    run(1);
    EXPECT_EQ(order, (std::vector<std::string>{"action", "minus1", "zeroA", "zeroB", "p5", "timer"}));
}

TEST_F(Scheduling, UnscheduleUpdateInsideUpdateIsDeferredSafely)
{
    std::vector<std::string> order;
    auto* a = new Updater(&order, "a");
    auto* b = new Updater(&order, "b");
    a->autorelease();
    b->autorelease();
    m_scene->addChild(a);
    m_scene->addChild(b);
    a->scheduleUpdate();
    b->scheduleUpdate();
    a->unscheduleSelf = true;
    run(3);
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "b", "b"}));
    a->unscheduleSelf = false;
    a->scheduleUpdate(); // can come back later
    run(1);
    EXPECT_EQ(order.back(), "a");
}

TEST_F(Scheduling, SchedulerHoldsItsTargets)
{
    Ticker* t = Ticker::create();
    t->retain();
    t->schedule(schedule_selector(Ticker::tick));
    EXPECT_EQ(t->retainCount(), 3u); // pool + ours + scheduler
    t->unscheduleAllSelectors();
    EXPECT_EQ(t->retainCount(), 2u);
    t->release();
}

} // namespace
