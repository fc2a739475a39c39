#include <functional>

#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;
using coretest::Log;

namespace {

// A delegate object that logs every event it gets and can run a hook inside ccTouchBegan.
class Recorder : public CCObject, public CCTouchDelegate {
public:
    static Recorder* create(const std::string& name, Log* log, bool claims = true)
    {
        auto* r = new Recorder();
        r->m_name = name;
        r->m_log = log;
        r->m_claims = claims;
        r->autorelease();
        return r;
    }
    bool ccTouchBegan(CCTouch*, CCEvent*) override
    {
        m_log->push_back(m_name + ".began");
        if (onBegan)
            onBegan();
        return m_claims;
    }
    void ccTouchMoved(CCTouch*, CCEvent*) override { m_log->push_back(m_name + ".moved"); }
    void ccTouchEnded(CCTouch*, CCEvent*) override { m_log->push_back(m_name + ".ended"); }
    void ccTouchCancelled(CCTouch*, CCEvent*) override { m_log->push_back(m_name + ".cancelled"); }
    void ccTouchesBegan(CCSet* touches, CCEvent*) override
    {
        m_log->push_back(m_name + ".touchesBegan" + std::to_string(touches->count()));
    }
    void ccTouchesMoved(CCSet*, CCEvent*) override { m_log->push_back(m_name + ".touchesMoved"); }
    void ccTouchesEnded(CCSet*, CCEvent*) override { m_log->push_back(m_name + ".touchesEnded"); }
    std::function<void()> onBegan;

private:
    std::string m_name;
    Log* m_log = nullptr;
    bool m_claims = true;
};

class TouchDispatch : public EngineTest {
protected:
    CCTouchDispatcher* dispatcher() { return CCDirector::sharedDirector()->getTouchDispatcher(); }
    Recorder* targeted(const std::string& name, int priority, bool swallows, bool claims = true)
    {
        Recorder* r = Recorder::create(name, &m_log, claims);
        dispatcher()->addTargetedDelegate(r, priority, swallows);
        return r;
    }
    Recorder* standard(const std::string& name, int priority)
    {
        Recorder* r = Recorder::create(name, &m_log);
        dispatcher()->addStandardDelegate(r, priority);
        return r;
    }
    Log m_log;
};

TEST_F(TouchDispatch, TargetedByPriorityNewestFirstAmongEqualsThenStandard)
{
    standard("std", -500);
    targeted("p0old", 0, false);
    targeted("pMinus", -10, false);
    targeted("p0new", 0, false);
    targeted("p5", 5, false);
    engine::testing::touchBegan(10, 10);
    EXPECT_EQ(m_log, (Log{"pMinus.began", "p0new.began", "p0old.began", "p5.began", "std.touchesBegan1"}));
}

TEST_F(TouchDispatch, SwallowingClaimStopsTheWalkAndOnlyClaimersSeeTheRest)
{
    struct Case {
        const char* what;
        bool firstClaims, firstSwallows;
        Log expected;
    };
    const Case cases[] = {
        {"swallowed", true, true, {"a.began", "a.moved", "a.ended"}},
        {"claimed, not swallowed", true, false,
         {"a.began", "b.began", "std.touchesBegan1", "a.moved", "b.moved", "std.touchesMoved", "a.ended", "b.ended",
          "std.touchesEnded"}},
        {"declined", false, true,
         {"a.began", "b.began", "std.touchesBegan1", "b.moved", "std.touchesMoved", "b.ended", "std.touchesEnded"}},
    };
    for (const Case& c : cases) {
        SetUp();
        m_log.clear();
        targeted("a", -1, c.firstSwallows, c.firstClaims);
        targeted("b", 0, false);
        standard("std", 0);
        engine::testing::touchBegan(10, 10);
        engine::testing::touchMoved(12, 10);
        engine::testing::touchEnded(12, 10);
        EXPECT_EQ(m_log, c.expected) << c.what;
        TearDown();
    }
}

TEST_F(TouchDispatch, ClaimEndsWithTheTouch)
{
    targeted("a", 0, true);
    engine::testing::tap(1, 1);
    m_log.clear();
    engine::testing::touchMoved(2, 2); // no touch is down: nothing to deliver
    EXPECT_TRUE(m_log.empty());
}

TEST_F(TouchDispatch, DelegateRemovingItselfDuringBeganStillGetsThisEventsEndOnlyIfNext)
{
    Recorder* a = targeted("a", 0, false);
    Recorder* b = targeted("b", 1, false);
    a->onBegan = [&] { dispatcher()->removeDelegate(a); };
    engine::testing::touchBegan(5, 5);
    EXPECT_EQ(m_log, (Log{"a.began", "b.began"}));
    EXPECT_EQ(dispatcher()->findHandler(a), nullptr); // gone once the event is over
    engine::testing::touchEnded(5, 5);
    EXPECT_EQ(m_log.back(), "b.ended");
    EXPECT_EQ(m_log.size(), 3u);
    (void)b;
}

TEST_F(TouchDispatch, LowerDelegateRemovedByAHigherOneStillGetsTheSameEvent)
{
    Recorder* high = targeted("high", -5, false);
    Recorder* low = targeted("low", 5, false);
    high->onBegan = [&] { dispatcher()->removeDelegate(low); };
    engine::testing::touchBegan(5, 5);
    EXPECT_EQ(m_log, (Log{"high.began", "low.began"}));
    engine::testing::touchEnded(5, 5);
    EXPECT_EQ(m_log, (Log{"high.began", "low.began", "high.ended"}));
}

TEST_F(TouchDispatch, DelegateAddedMidDispatchWaitsForTheNextTouch)
{
    Recorder* late = Recorder::create("late", &m_log);
    Recorder* adder = targeted("adder", 0, false);
    adder->onBegan = [&] {
        if (!dispatcher()->findHandler(late))
            dispatcher()->addTargetedDelegate(late, -100, true);
    };
    engine::testing::touchBegan(5, 5);
    engine::testing::touchMoved(6, 6);
    engine::testing::touchEnded(6, 6);
    EXPECT_EQ(m_log, (Log{"adder.began", "adder.moved", "adder.ended"}));
    m_log.clear();
    engine::testing::tap(5, 5);
    EXPECT_EQ(m_log, (Log{"late.began", "late.ended"})); // and it swallows
}

TEST_F(TouchDispatch, RemoveThenAddWithinOneEventCancelsOut)
{
    Recorder* a = targeted("a", 10, false);
    targeted("b", 0, false);
    a->onBegan = [&] {
        dispatcher()->removeDelegate(a);
        dispatcher()->addTargetedDelegate(a, -50, true); // would change priority and swallowing
    };
    engine::testing::touchBegan(5, 5);
    a->onBegan = nullptr;
    engine::testing::touchEnded(5, 5);
    EXPECT_EQ(m_log, (Log{"b.began", "a.began", "b.ended", "a.ended"}));
    ASSERT_NE(dispatcher()->findHandler(a), nullptr);
    EXPECT_EQ(dispatcher()->findHandler(a)->getPriority(), 10);
}

TEST_F(TouchDispatch, RegisteringTwiceIsRefused)
{
    Recorder* a = targeted("a", 0, false);
    dispatcher()->addTargetedDelegate(a, 3, true);
    EXPECT_EQ(dispatcher()->targetedDelegates().size(), 1u);
    EXPECT_EQ(dispatcher()->findHandler(a)->getPriority(), 0);
}

TEST_F(TouchDispatch, DisabledDispatchDropsEverything)
{
    targeted("a", 0, true);
    standard("s", 0);
    dispatcher()->setDispatchEvents(false);
    engine::testing::tap(5, 5);
    EXPECT_TRUE(m_log.empty());
    dispatcher()->setDispatchEvents(true);
    engine::testing::tap(5, 5);
    EXPECT_EQ(m_log, (Log{"a.began", "a.ended"}));
}

TEST_F(TouchDispatch, TheDispatcherHoldsItsDelegates)
{
    Recorder* a = Recorder::create("a", &m_log);
    a->retain();
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(a->retainCount(), 1u);
    dispatcher()->addTargetedDelegate(a, 0, true);
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(a->retainCount(), 2u);
    dispatcher()->removeDelegate(a);
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(a->retainCount(), 1u);
    a->release();
}

TEST_F(TouchDispatch, TouchReportsLocationsInDesignPoints)
{
    struct Where : CCObject, CCTouchDelegate {
        CCPoint start, previous, now, view;
        bool ccTouchBegan(CCTouch* t, CCEvent*) override
        {
            start = t->getStartLocation();
            return true;
        }
        void ccTouchMoved(CCTouch* t, CCEvent*) override
        {
            previous = t->getPreviousLocation();
            now = t->getLocation();
            view = t->getLocationInView();
        }
    };
    auto* where = new Where();
    where->autorelease();
    dispatcher()->addTargetedDelegate(where, 0, true);
    engine::testing::touchBegan(100, 200);
    engine::testing::touchMoved(110, 190);
    EXPECT_TRUE(where->start.equals(ccp(100, 200)));
    EXPECT_TRUE(where->previous.equals(ccp(100, 200)));
    EXPECT_TRUE(where->now.equals(ccp(110, 190)));
    EXPECT_TRUE(where->view.equals(ccp(110, 640 - 190)));
    engine::testing::touchEnded(110, 190);
    EXPECT_EQ(dispatcher()->activeTouchCount(), 0u);
}

// Layer registration rules.
class TouchLayer : public CCLayer {
public:
    static TouchLayer* create(const std::string& name, Log* log)
    {
        auto* l = new TouchLayer();
        l->m_name = name;
        l->m_log = log;
        l->init();
        l->autorelease();
        return l;
    }
    bool ccTouchBegan(CCTouch*, CCEvent*) override
    {
        m_log->push_back(m_name);
        return true;
    }

private:
    std::string m_name;
    Log* m_log = nullptr;
};

TEST_F(TouchDispatch, LayerOneByOneSwallowsAtItsPriorityAndRepriorityPutsItFirst)
{
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    TouchLayer* a = TouchLayer::create("a", &m_log);
    TouchLayer* b = TouchLayer::create("b", &m_log);
    for (TouchLayer* l : {a, b}) {
        l->setTouchMode(kCCTouchesOneByOne);
        l->setTouchPriority(3);
        l->setTouchEnabled(true);
        scene->addChild(l);
    }
    engine::testing::tap(1, 1);
    EXPECT_EQ(m_log, (Log{"b"})); // newest first among equals, and it swallows
    a->setTouchPriority(2);
    a->setTouchPriority(3); // re-registers: now a is the newest
    engine::testing::tap(1, 1);
    EXPECT_EQ(m_log, (Log{"b", "a"}));
    a->setTouchEnabled(false);
    engine::testing::tap(1, 1);
    EXPECT_EQ(m_log, (Log{"b", "a", "b"}));
}

TEST_F(TouchDispatch, LayerWithCustomRegistrationIsStillRemovedAtExit)
{
    struct Custom : CCLayer {
        void registerWithTouchDispatcher() override
        {
            CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, -1280, true);
        }
        bool ccTouchBegan(CCTouch*, CCEvent*) override { return true; }
    };
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    auto* layer = new Custom();
    layer->init();
    layer->autorelease();
    layer->setTouchEnabled(true);
    scene->addChild(layer);
    ASSERT_NE(dispatcher()->findHandler(layer), nullptr);
    EXPECT_EQ(dispatcher()->findHandler(layer)->getPriority(), -1280);
    layer->removeFromParent();
    EXPECT_EQ(dispatcher()->findHandler(layer), nullptr);
}

} // namespace
