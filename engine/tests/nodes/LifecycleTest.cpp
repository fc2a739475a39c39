#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;
using coretest::Log;
using coretest::LoggingNode;

namespace {

class Lifecycle : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_scene = CCScene::create();
        engine::testing::runScene(m_scene);
    }
    LoggingNode* node(const std::string& name) { return LoggingNode::create(name, &m_log); }
    Log lifecycle() const { return coretest::filtered(m_log, {"p.", "c.", "g."}); }
    CCScene* m_scene = nullptr;
    Log m_log;
};

TEST_F(Lifecycle, AddingToARunningParentEntersTheWholeSubtreeInOrder)
{
    LoggingNode* parent = node("p");
    parent->addChild(node("c"));
    m_scene->addChild(parent);
    EXPECT_EQ(lifecycle(), (Log{"p.onEnter", "c.onEnter", "p.onEnterTransitionDidFinish",
                                "c.onEnterTransitionDidFinish"}));
    EXPECT_TRUE(parent->isRunning());
}

TEST_F(Lifecycle, AddingToAStoppedParentCallsNothing)
{
    CCNode* offstage = CCNode::create();
    offstage->addChild(node("c"));
    EXPECT_TRUE(lifecycle().empty());
}

TEST_F(Lifecycle, RemovalRunsExitThenCleanupChildrenFirstForTheTransitionPart)
{
    LoggingNode* parent = node("p");
    parent->addChild(node("c"));
    m_scene->addChild(parent);
    m_log.clear();
    m_scene->removeChild(parent, true);
    EXPECT_EQ(lifecycle(), (Log{"c.onExitTransitionDidStart", "p.onExitTransitionDidStart", "p.onExit",
                                "c.onExit", "p.cleanup", "c.cleanup"}));
}

TEST_F(Lifecycle, RemovalWithoutCleanupPausesAndReaddingResumes)
{
    LoggingNode* n = node("p");
    n->retain();
    m_scene->addChild(n);
    n->runAction(CCMoveBy::create(1.0f, ccp(60, 0)));
    engine::testing::stepFrames(2); // start + one sixtieth of the move
    const float before = n->getPositionX();
    EXPECT_GT(before, 0);
    m_scene->removeChild(n, false);
    engine::testing::stepFrames(10);
    EXPECT_FLOAT_EQ(n->getPositionX(), before);
    EXPECT_EQ(n->numberOfRunningActions(), 1u);
    m_scene->addChild(n);
    engine::testing::stepFrames(1);
    EXPECT_GT(n->getPositionX(), before);
    n->release();
}

TEST_F(Lifecycle, ActionsAndTimersOfANodeNotRunningWaitForOnEnter)
{
    CCNode* n = CCNode::create();
    n->setPosition(ccp(10, 0));
    n->runAction(CCMoveTo::create(0.5f, ccp(100, 0)));
    engine::testing::stepFrames(5);
    EXPECT_FLOAT_EQ(n->getPositionX(), 10);
    n->setPosition(ccp(50, 0)); // start values were taken at runAction; stacking carries this move
    m_scene->addChild(n);
    engine::testing::stepFrames(40);
    EXPECT_NEAR(n->getPositionX(), 140, 1e-3);
}

TEST_F(Lifecycle, InvisibleNodesKeepRunningTheirActions)
{
    CCNode* n = CCNode::create();
    m_scene->addChild(n);
    n->setVisible(false);
    n->runAction(CCMoveBy::create(0.1f, ccp(10, 0)));
    engine::testing::stepFrames(10);
    EXPECT_FLOAT_EQ(n->getPositionX(), 10);
}

TEST_F(Lifecycle, LayerRegistersTouchAndKeypadAtEnterAndLeavesAtExit)
{
    CCLayer* layer = CCLayer::create();
    layer->setTouchEnabled(true);
    layer->setKeypadEnabled(true);
    CCTouchDispatcher* touch = CCDirector::sharedDirector()->getTouchDispatcher();
    CCKeypadDispatcher* keypad = CCDirector::sharedDirector()->getKeypadDispatcher();
    EXPECT_EQ(touch->findHandler(layer), nullptr);
    m_scene->addChild(layer);
    ASSERT_NE(touch->findHandler(layer), nullptr);
    EXPECT_FALSE(touch->findHandler(layer)->isTargeted()); // all-at-once by default
    EXPECT_EQ(keypad->delegateCount(), 1u);
    layer->removeFromParent();
    EXPECT_EQ(touch->findHandler(layer), nullptr);
    EXPECT_EQ(keypad->delegateCount(), 0u);
}

} // namespace
