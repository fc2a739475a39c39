#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;
using coretest::Log;

namespace {

class KeyLayer : public CCLayer {
public:
    static KeyLayer* create(const std::string& name, Log* log)
    {
        auto* l = new KeyLayer();
        l->m_name = name;
        l->m_log = log;
        l->init();
        l->autorelease();
        return l;
    }
    void keyBackClicked() override
    {
        m_log->push_back(m_name + ".back");
        if (removeSelfOnBack)
            removeFromParent();
    }
    void keyMenuClicked() override { m_log->push_back(m_name + ".menu"); }
    bool removeSelfOnBack = false;

private:
    std::string m_name;
    Log* m_log = nullptr;
};

class Input : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        m_scene = CCScene::create();
        engine::testing::runScene(m_scene);
    }
    CCScene* m_scene = nullptr;
    Log m_log;
};

TEST_F(Input, BackKeyReachesEveryKeypadLayerInRegistrationOrder)
{
    KeyLayer* first = KeyLayer::create("first", &m_log);
    KeyLayer* second = KeyLayer::create("second", &m_log);
    KeyLayer* off = KeyLayer::create("off", &m_log);
    first->setKeypadEnabled(true);
    second->setKeypadEnabled(true);
    m_scene->addChild(first);
    m_scene->addChild(second);
    m_scene->addChild(off);
    first->removeSelfOnBack = true; // leaving during the dispatch must not disturb the others
    engine::testing::pressBack();
    EXPECT_EQ(m_log, (Log{"first.back", "second.back"}));
    engine::testing::pressMenu();
    EXPECT_EQ(m_log, (Log{"first.back", "second.back", "second.menu"}));
}

TEST_F(Input, WheelNotchesArriveAsDeltasOf120)
{
    struct Wheel : CCMouseWheelDelegate {
        std::vector<int> deltas;
        void mouseWheelScrolled(int delta) override { deltas.push_back(delta); }
    } wheel;
    CCMouseWheelDispatcher* dispatcher = CCDirector::sharedDirector()->getMouseWheelDispatcher();
    dispatcher->addDelegate(&wheel);
    engine::testing::wheel(2);
    engine::testing::wheel(-1);
    EXPECT_EQ(wheel.deltas, (std::vector<int>{120, 120, -120}));
    dispatcher->removeDelegate(&wheel);
    engine::testing::wheel(1);
    EXPECT_EQ(wheel.deltas.size(), 3u);
}

TEST_F(Input, TypedTextGoesToTheInstalledInputHandler)
{
    std::string text;
    int deletes = 0;
    engine::testing::typeText("dropped"); // no handler yet
    CCTextInputRouter::setHandlers([&](const char* t, int n) { text.append(t, static_cast<std::size_t>(n)); },
                                   [&] { ++deletes; });
    engine::testing::typeText("中a");
    engine::testing::pressBackspace();
    engine::testing::pressEnter();
    CCTextInputRouter::clearHandlers();
    EXPECT_EQ(text, "中a\n");
    EXPECT_EQ(deletes, 1);
}

TEST_F(Input, FindByTagPathAndTreeDump)
{
    CCLayer* layer = CCLayer::create();
    m_scene->addChild(layer, 0, 100);
    CCNode* box = CCNode::create();
    box->setPosition(ccp(10.5f, -3));
    layer->addChild(box, 2, 3);
    CCLayerColor* tint = CCLayerColor::create(ccc4(1, 2, 3, 128), 5, 5);
    tint->setVisible(false);
    box->addChild(tint, -1, 7);
    EXPECT_EQ(engine::testing::findByTagPath(m_scene, {100, 3, 7}), tint);
    EXPECT_EQ(engine::testing::findByTagPath(m_scene, {100, 4, 7}), nullptr);
    EXPECT_EQ(engine::testing::findByTagPath(m_scene, {}), m_scene);
    EXPECT_EQ(engine::testing::dumpTree(layer),
              "CCLayer tag=100 z=0 pos=(0,0) scale=(1,1) visible=1\n"
              "  CCNode tag=3 z=2 pos=(10.5,-3) scale=(1,1) visible=1\n"
              "    CCLayerColor tag=7 z=-1 pos=(0,0) scale=(1,1) visible=0 opacity=128\n");
}

TEST_F(Input, DumpShowsDebugTextOfNodesThatHaveIt)
{
    struct Text : CCNode {
        std::string debugText() const override { return "hello"; }
    };
    auto* t = new Text();
    t->autorelease();
    EXPECT_EQ(engine::testing::dumpTree(t), "Text tag=-1 z=0 pos=(0,0) scale=(1,1) visible=1 text=\"hello\"\n");
}

TEST_F(Input, ViewConvertsWindowPixelsWithTheExactFitScale)
{
    struct View : CCEGLViewProtocol {
        void end() override {}
        bool isOpenGLReady() override { return true; }
        void swapBuffers() override {}
        void setIMEKeyboardState(bool) override {}
    } view;
    view.setFrameSize(1920, 960);
    view.setDesignResolutionSize(960, 640, kResolutionExactFit);
    EXPECT_FLOAT_EQ(view.getScaleX(), 2);
    EXPECT_FLOAT_EQ(view.getScaleY(), 1.5f);
    struct Where : CCObject, CCTouchDelegate {
        CCPoint at;
        bool ccTouchBegan(CCTouch* t, CCEvent*) override
        {
            at = t->getLocation();
            return true;
        }
    };
    auto* where = new Where();
    where->autorelease();
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(where, 0, true);
    int id = 0;
    float x = 400, y = 300; // window pixels, y down
    view.handleTouchesBegin(1, &id, &x, &y);
    view.handleTouchesEnd(1, &id, &x, &y);
    EXPECT_TRUE(where->at.equals(ccp(200, 440)));
}

} // namespace
