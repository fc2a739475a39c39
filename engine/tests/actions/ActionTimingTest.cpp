#include <cmath>

#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;

namespace {

constexpr float kDt = 0.125f; // exact in binary

class Calls : public CCNode {
public:
    static Calls* create()
    {
        auto* c = new Calls();
        c->init();
        c->autorelease();
        return c;
    }
    void hit() { hits.push_back(getPositionX()); }
    void hitNode(CCNode* node) { nodes.push_back(node); }
    void hitData(CCNode*, void* data) { data_.push_back(*static_cast<int*>(data)); }
    void hitObject(CCObject* object) { strings.push_back(static_cast<CCString*>(object)->m_sString); }
    void stopEverything() { stopAllActions(); }
    std::vector<float> hits;
    std::vector<CCNode*> nodes;
    std::vector<int> data_;
    std::vector<std::string> strings;
};

class Actions : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_scene = CCScene::create();
        engine::testing::runScene(m_scene);
        m_node = Calls::create();
        m_scene->addChild(m_node);
    }
    void step(int frames = 1, float dt = kDt) { engine::testing::stepFrames(frames, dt); }
    CCScene* m_scene = nullptr;
    Calls* m_node = nullptr;
};

TEST_F(Actions, IntervalFirstStepIsZeroThenElapsedOverDuration)
{
    m_node->runAction(CCMoveBy::create(1.0f, ccp(80, 0)));
    const float expected[] = {0, 10, 20, 30, 40, 50, 60, 70, 80};
    for (float x : expected) {
        step();
        EXPECT_FLOAT_EQ(m_node->getPositionX(), x);
    }
    EXPECT_EQ(m_node->numberOfRunningActions(), 0u);
}

TEST_F(Actions, ZeroDurationUpdatesWithZeroThenOne)
{
    m_node->runAction(CCMoveBy::create(0, ccp(50, 0)));
    step();
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 0);
    EXPECT_EQ(m_node->numberOfRunningActions(), 1u);
    step();
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 50);
    EXPECT_EQ(m_node->numberOfRunningActions(), 0u);
}

TEST_F(Actions, SequenceSplitsTimeAndFiresInstantsAtTheirPlace)
{
    m_node->runAction(CCSequence::create(CCCallFunc::create(m_node, callfunc_selector(Calls::hit)),
                                         CCMoveBy::create(0.5f, ccp(40, 0)),
                                         CCCallFunc::create(m_node, callfunc_selector(Calls::hit)),
                                         CCMoveBy::create(0.5f, ccp(40, 0)),
                                         CCCallFunc::create(m_node, callfunc_selector(Calls::hit)), nullptr));
    step(); // t = 0: the leading call fires on the first step
    EXPECT_EQ(m_node->hits, (std::vector<float>{0}));
    step(4); // t = 0.5: first move complete, middle call fires
    EXPECT_EQ(m_node->hits, (std::vector<float>{0, 40}));
    step(3);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 70);
    EXPECT_EQ(m_node->hits.size(), 2u);
    step(1);
    EXPECT_EQ(m_node->hits, (std::vector<float>{0, 40, 80}));
    EXPECT_EQ(m_node->numberOfRunningActions(), 0u);
}

TEST_F(Actions, ALongFrameStillRunsEveryPartOfASequence)
{
    m_node->runAction(CCSequence::create(CCMoveBy::create(0.25f, ccp(10, 0)),
                                         CCCallFunc::create(m_node, callfunc_selector(Calls::hit)),
                                         CCMoveBy::create(0.25f, ccp(10, 0)),
                                         CCCallFunc::create(m_node, callfunc_selector(Calls::hit)), nullptr));
    step(1);
    step(1, 5.0f);
    EXPECT_EQ(m_node->hits, (std::vector<float>{10, 20}));
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 20);
}

TEST_F(Actions, SequenceFromArrayAndWithASingleAction)
{
    CCArray* list = CCArray::create(CCMoveBy::create(0.25f, ccp(8, 0)), CCMoveBy::create(0.25f, ccp(0, 8)), nullptr);
    CCSequence* fromArray = CCSequence::create(list);
    ASSERT_NE(fromArray, nullptr);
    EXPECT_FLOAT_EQ(fromArray->getDuration(), 0.5f);
    CCSequence* single = CCSequence::create(CCMoveBy::create(0.25f, ccp(4, 0)), nullptr);
    ASSERT_NE(single, nullptr);
    EXPECT_FLOAT_EQ(single->getDuration(), 0.25f);
    m_node->runAction(fromArray);
    step(5);
    EXPECT_TRUE(m_node->getPosition().equals(ccp(8, 8)));
    EXPECT_EQ(CCSequence::create(static_cast<CCArray*>(nullptr)), nullptr);
}

TEST_F(Actions, RepeatCounts)
{
    struct Case {
        const char* what;
        CCFiniteTimeAction* (*make)(Calls*);
        unsigned int times;
        std::size_t expectedHits;
    };
    const Case cases[] = {
        {"interval inner",
         [](Calls* c) -> CCFiniteTimeAction* {
             return CCSequence::create(CCDelayTime::create(0.25f), CCCallFunc::create(c, callfunc_selector(Calls::hit)),
                                       nullptr);
         },
         3, 3},
        // every call counts, also for an instant inner action
        {"instant inner",
         [](Calls* c) -> CCFiniteTimeAction* { return CCCallFunc::create(c, callfunc_selector(Calls::hit)); }, 3, 3},
        {"once", [](Calls* c) -> CCFiniteTimeAction* { return CCCallFunc::create(c, callfunc_selector(Calls::hit)); },
         1, 1},
    };
    for (const Case& c : cases) {
        m_node->hits.clear();
        m_node->runAction(CCRepeat::create(c.make(m_node), c.times));
        step(12);
        EXPECT_EQ(m_node->hits.size(), c.expectedHits) << c.what;
        EXPECT_EQ(m_node->numberOfRunningActions(), 0u) << c.what;
    }
}

TEST_F(Actions, RepeatOfAMoveEndsExactlyAtTimesTheDelta)
{
    m_node->runAction(CCRepeat::create(CCMoveBy::create(0.25f, ccp(10, 0)), 3));
    step(4); // t = 3/6: one and a half runs
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 15);
    step(3);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 30);
    EXPECT_EQ(m_node->numberOfRunningActions(), 0u);
}

TEST_F(Actions, RepeatForeverCarriesTheOvershootIntoTheNextRun)
{
    m_node->runAction(CCRepeatForever::create(CCSequence::create(
        CCDelayTime::create(0.25f), CCCallFunc::create(m_node, callfunc_selector(Calls::hit)), nullptr)));
    step(1 + 2 * 5);
    EXPECT_EQ(m_node->hits.size(), 5u);
    EXPECT_EQ(m_node->numberOfRunningActions(), 1u);
}

TEST_F(Actions, SpawnRunsBothOverTheLongerDuration)
{
    CCSpawn* spawn = CCSpawn::create(CCMoveBy::create(1.0f, ccp(80, 0)), CCScaleTo::create(0.5f, 3.0f), nullptr);
    EXPECT_FLOAT_EQ(spawn->getDuration(), 1.0f);
    m_node->runAction(spawn);
    step(3);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 20);
    EXPECT_FLOAT_EQ(m_node->getScale(), 2.0f);
    step(6);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 80);
    EXPECT_FLOAT_EQ(m_node->getScale(), 3.0f);
}

TEST_F(Actions, StackedMovesAddUp)
{
    m_node->runAction(CCMoveBy::create(1.0f, ccp(80, 0)));
    m_node->runAction(CCMoveBy::create(1.0f, ccp(0, 40)));
    step(5);
    EXPECT_TRUE(m_node->getPosition().equals(ccp(40, 20)));
    m_node->setPosition(m_node->getPosition() + ccp(100, 0)); // an outside move
    step(4);
    EXPECT_TRUE(m_node->getPosition().equals(ccp(180, 40)));
}

TEST_F(Actions, MoveToCapturesItsStartAtRun)
{
    m_node->setPosition(ccp(100, 0));
    m_node->runAction(CCMoveTo::create(0.5f, ccp(0, 100)));
    step(3);
    EXPECT_TRUE(m_node->getPosition().equals(ccp(50, 50)));
    step(2);
    EXPECT_TRUE(m_node->getPosition().equals(ccp(0, 100)));
}

TEST_F(Actions, StopFromInsideACallbackIsSafe)
{
    m_node->runAction(CCSequence::create(CCCallFunc::create(m_node, callfunc_selector(Calls::stopEverything)),
                                         CCDelayTime::create(0.25f),
                                         CCCallFunc::create(m_node, callfunc_selector(Calls::hit)), nullptr));
    m_node->runAction(CCMoveBy::create(1.0f, ccp(10, 0)));
    step(3);
    EXPECT_EQ(m_node->numberOfRunningActions(), 0u);
    EXPECT_TRUE(m_node->hits.empty());
}

TEST_F(Actions, TagsFindAndStopTheFirstMatch)
{
    CCAction* a = CCMoveBy::create(1, ccp(1, 0));
    CCAction* b = CCMoveBy::create(1, ccp(1, 0));
    a->setTag(5);
    b->setTag(5);
    m_node->runAction(a);
    m_node->runAction(b);
    EXPECT_EQ(m_node->getActionByTag(5), a);
    m_node->stopActionByTag(5);
    EXPECT_EQ(m_node->getActionByTag(5), b);
    EXPECT_EQ(m_node->numberOfRunningActions(), 1u);
}

TEST_F(Actions, CallbacksPassNodeDataAndObject)
{
    int payload = 77;
    CCNode* other = CCNode::create();
    m_scene->addChild(other);
    other->runAction(CCCallFuncN::create(m_node, callfuncN_selector(Calls::hitNode)));
    other->runAction(CCCallFuncND::create(m_node, callfuncND_selector(Calls::hitData), &payload));
    other->runAction(CCCallFuncO::create(m_node, callfuncO_selector(Calls::hitObject), CCString::create("obj")));
    step();
    EXPECT_EQ(m_node->nodes, (std::vector<CCNode*>{other}));
    EXPECT_EQ(m_node->data_, (std::vector<int>{77}));
    EXPECT_EQ(m_node->strings, (std::vector<std::string>{"obj"}));
}

TEST_F(Actions, CallFuncKeepsItsTargetAlive)
{
    Calls* target = Calls::create();
    const unsigned int before = target->retainCount();
    CCCallFunc* call = CCCallFunc::create(target, callfunc_selector(Calls::hit));
    EXPECT_EQ(target->retainCount(), before + 1);
    call->retain();
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(target->retainCount(), 1u); // only the action holds it now
    call->release();
}

TEST_F(Actions, RemoveSelfAndVisibilityInstants)
{
    CCNode* n = CCNode::create();
    n->retain();
    m_scene->addChild(n);
    n->runAction(CCSequence::create(CCHide::create(), CCDelayTime::create(0.25f), CCToggleVisibility::create(),
                                    CCPlace::create(ccp(5, 6)), CCDelayTime::create(0.25f), CCRemoveSelf::create(),
                                    nullptr));
    step();
    EXPECT_FALSE(n->isVisible());
    step(2);
    EXPECT_TRUE(n->isVisible());
    EXPECT_TRUE(n->getPosition().equals(ccp(5, 6)));
    EXPECT_EQ(n->getParent(), m_scene);
    step(2);
    EXPECT_EQ(n->getParent(), nullptr);
    EXPECT_EQ(n->numberOfRunningActions(), 0u);
    EXPECT_EQ(n->retainCount(), 1u); // nothing else holds it after removal with cleanup
    n->release();
}

TEST_F(Actions, TargetedActionMovesTheOtherNode)
{
    CCNode* other = CCNode::create();
    m_scene->addChild(other);
    m_node->runAction(CCTargetedAction::create(other, CCMoveBy::create(0.25f, ccp(30, 0))));
    step(3);
    EXPECT_FLOAT_EQ(other->getPositionX(), 30);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 0);
}

TEST_F(Actions, SpeedScalesTime)
{
    m_node->runAction(CCSpeed::create(CCMoveBy::create(1.0f, ccp(80, 0)), 2.0f));
    step(3);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 40);
}

TEST_F(Actions, ReverseTimeAndReverse)
{
    m_node->runAction(CCReverseTime::create(CCMoveBy::create(0.5f, ccp(40, 0))));
    step(1);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 40); // t = 0 plays the end
    step(4);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 0); // and ends at the start
    CCActionInterval* back = CCMoveBy::create(0.5f, ccp(40, 10))->reverse();
    ASSERT_NE(back, nullptr);
    CCNode* n = CCNode::create();
    m_scene->addChild(n);
    n->runAction(back);
    step(5);
    EXPECT_TRUE(n->getPosition().equals(ccp(-40, -10)));
    EXPECT_EQ(CCMoveTo::create(1, ccp(1, 1))->reverse(), nullptr);
}

TEST_F(Actions, CopyRunsIndependently)
{
    CCMoveBy* move = CCMoveBy::create(0.25f, ccp(20, 0));
    auto* copy = static_cast<CCMoveBy*>(move->copy());
    copy->autorelease();
    CCNode* other = CCNode::create();
    m_scene->addChild(other);
    m_node->runAction(move);
    other->runAction(copy);
    step(3);
    EXPECT_FLOAT_EQ(m_node->getPositionX(), 20);
    EXPECT_FLOAT_EQ(other->getPositionX(), 20);
}

} // namespace
