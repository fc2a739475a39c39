#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;
using coretest::Log;
using coretest::LoggingNode;

namespace {

class Children : public EngineTest {
protected:
    // Visits the tree once and returns the names in draw order.
    Log drawOrder(CCNode* root)
    {
        m_log.clear();
        Renderer::current()->resetMatrixStack();
        root->visit();
        return coretest::filtered(m_log, {""});
    }
    LoggingNode* node(const std::string& name) { return LoggingNode::create(name, &m_log); }
    Log m_log;
};

std::vector<std::string> drawn(const Log& log)
{
    std::vector<std::string> names;
    for (const std::string& e : log)
        if (e.size() > 5 && e.compare(e.size() - 5, 5, ".draw") == 0)
            names.push_back(e.substr(0, e.size() - 5));
    return names;
}

TEST_F(Children, DrawOrderIsZThenArrivalWithNegativeZBeforeTheParent)
{
    struct Case {
        std::vector<std::pair<std::string, int>> adds; // name, z, in add order
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{{"a", 0}, {"b", 0}, {"c", 0}}, {"root", "a", "b", "c"}},
        {{{"a", 1}, {"b", -1}, {"c", 0}}, {"b", "root", "c", "a"}},
        {{{"a", -2}, {"b", -1}, {"c", -2}}, {"a", "c", "b", "root"}},
        {{{"a", 5}, {"b", 5}, {"c", 2}, {"d", 5}}, {"root", "c", "a", "b", "d"}},
    };
    for (const Case& c : cases) {
        LoggingNode* root = node("root");
        for (const auto& [name, z] : c.adds)
            root->addChild(node(name), z);
        EXPECT_EQ(drawn(drawOrder(root)), c.expected);
    }
}

TEST_F(Children, ReorderPutsTheChildAboveSiblingsOfTheSameZ)
{
    LoggingNode* root = node("root");
    LoggingNode* a = node("a");
    root->addChild(a);
    root->addChild(node("b"));
    root->addChild(node("c"));
    drawOrder(root); // sorts once; arrival numbers reset after drawing
    root->reorderChild(a, 0);
    EXPECT_EQ(drawn(drawOrder(root)), (std::vector<std::string>{"root", "b", "c", "a"}));
    a->setZOrder(-1);
    EXPECT_EQ(drawn(drawOrder(root)), (std::vector<std::string>{"a", "root", "b", "c"}));
}

TEST_F(Children, LaterAddDrawsOnTopAfterEarlierDraws)
{
    LoggingNode* root = node("root");
    root->addChild(node("a"), 1);
    root->addChild(node("b"), 1);
    drawOrder(root);
    root->addChild(node("c"), 1);
    root->addChild(node("d"), 0);
    EXPECT_EQ(drawn(drawOrder(root)), (std::vector<std::string>{"root", "d", "a", "b", "c"}));
}

TEST_F(Children, InvisibleNodeSkipsItsSubtree)
{
    LoggingNode* root = node("root");
    LoggingNode* hidden = node("hidden");
    hidden->addChild(node("inner"));
    root->addChild(hidden);
    root->addChild(node("shown"));
    hidden->setVisible(false);
    EXPECT_EQ(drawn(drawOrder(root)), (std::vector<std::string>{"root", "shown"}));
}

TEST_F(Children, GetChildByTagFindsTheFirstInArrayOrder)
{
    CCNode* root = CCNode::create();
    CCNode* first = CCNode::create();
    CCNode* second = CCNode::create();
    root->addChild(first, 5, 7);
    root->addChild(second, 1, 7);
    EXPECT_EQ(root->getChildByTag(7), first); // not sorted yet
    EXPECT_EQ(root->getChildByTag(8), nullptr);
    root->sortAllChildren();
    EXPECT_EQ(root->getChildByTag(7), second);
}

TEST_F(Children, ShortAddChildFormsKeepTheChildsZAndTag)
{
    CCNode* root = CCNode::create();
    CCNode* child = CCNode::create();
    child->setTag(42);
    child->_setZOrder(3);
    root->addChild(child);
    EXPECT_EQ(child->getTag(), 42);
    EXPECT_EQ(child->getZOrder(), 3);
    CCNode* other = CCNode::create();
    other->setTag(9);
    root->addChild(other, -4);
    EXPECT_EQ(other->getTag(), 9);
    EXPECT_EQ(other->getZOrder(), -4);
    EXPECT_EQ(child->getParent(), root);
}

TEST_F(Children, AddingAChildTwiceIsRefusedWithoutCorruption)
{
#ifdef NDEBUG
    CCNode* a = CCNode::create();
    CCNode* b = CCNode::create();
    CCNode* child = CCNode::create();
    a->addChild(child);
    b->addChild(child);
    EXPECT_EQ(child->getParent(), a);
    EXPECT_EQ(b->getChildrenCount(), 0u);
#else
    GTEST_SKIP() << "asserts in debug builds";
#endif
}

TEST_F(Children, RemoveChildByUnknownTagOnlyLogs)
{
    std::vector<std::string> lines;
    CCLogSetSink([&](const std::string& line) { lines.push_back(line); });
    CCNode* root = CCNode::create();
    root->addChild(CCNode::create(), 0, 1);
    root->removeChildByTag(99);
    CCLogSetSink(nullptr);
    EXPECT_EQ(root->getChildrenCount(), 1u);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("child not found"), std::string::npos);
}

TEST_F(Children, RemovedChildIsReleasedAtOnceUnlessHeldElsewhere)
{
    CCNode* root = CCNode::create();
    root->retain();
    LoggingNode* child = node("child");
    child->logDestruction();
    root->addChild(child);
    CCPoolManager::sharedPoolManager()->pop(); // only the parent holds it now
    EXPECT_EQ(child->retainCount(), 1u);
    root->removeChild(child);
    EXPECT_EQ(m_log.back(), "child.destroyed");
    root->release();
}

TEST_F(Children, RemoveAllChildrenSurvivesACallbackThatRemovesASibling)
{
    // A child whose onExit removes its next sibling from the same parent.
    struct Greedy : CCNode {
        CCNode* victim = nullptr;
        void onExit() override
        {
            CCNode::onExit();
            if (victim && victim->getParent())
                victim->removeFromParent();
        }
    };
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    auto* greedy = new Greedy();
    greedy->autorelease();
    CCNode* victim = CCNode::create();
    greedy->victim = victim;
    scene->addChild(greedy);
    scene->addChild(victim);
    scene->addChild(CCNode::create());
    scene->removeAllChildren();
    EXPECT_EQ(scene->getChildrenCount(), 0u);
    EXPECT_EQ(victim->getParent(), nullptr);
}

} // namespace
