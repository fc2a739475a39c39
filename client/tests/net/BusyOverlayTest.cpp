// The busy overlay on the manual clock: touch blocking, the spinner's delay and the 40-second give-up.
#include "app/SceneDirector.h"
#include "net/CCMask.h"
#include "net/CNetLayer.h"
#include "support/NetTestSupport.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

// Records whether a touch got through to the scene below.
class TouchCounter : public CCLayer {
public:
    static TouchCounter* create() {
        auto* layer = new TouchCounter;
        layer->init();
        layer->autorelease();
        return layer;
    }
    void onEnter() override {
        CCLayer::onEnter();
        CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, true);
    }
    void onExit() override {
        CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
        CCLayer::onExit();
    }
    bool ccTouchBegan(CCTouch*, CCEvent*) override {
        m_touches += 1;
        return true;
    }
    int m_touches = 0;
};

class BusyOverlayTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        m_scene = enterScene(5);
        SceneDirector::instance().registerScene(2, [] { return CCScene::create(); });
        m_below = TouchCounter::create();
        m_scene->addChild(m_below);
        engine::testing::stepFrames(1);
    }
    CNetLayer* addOverlay(bool dim) {
        CNetLayer* overlay = CNetLayer::create(dim);
        m_scene->addChild(overlay, 1001, 20001);
        engine::testing::stepFrames(1);
        return overlay;
    }
    CCScene* m_scene = nullptr;
    TouchCounter* m_below = nullptr;
};

TEST_F(BusyOverlayTest, PlainOverlayIsInvisibleButBlocksEveryTouch) {
    CNetLayer* overlay = addOverlay(false);
    EXPECT_TRUE(CNetLayer::overlayOnStage());
    auto* mask = static_cast<CCMask*>(overlay->getChildByTag(CNetLayer::kMaskTag));
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->touchPriority(), -1299);
    EXPECT_EQ(mask->getChildByTag(CCMask::kSpinnerTag), nullptr);
    engine::testing::tap(480, 320);
    engine::testing::tap(10, 10);
    EXPECT_EQ(m_below->m_touches, 0);
    m_scene->removeChild(overlay, true);
    EXPECT_FALSE(CNetLayer::overlayOnStage());
    engine::testing::tap(10, 10);
    EXPECT_EQ(m_below->m_touches, 1);
}

TEST_F(BusyOverlayTest, DimmedOverlayGreysAtOnceAndSpinsAfterASecond) {
    CNetLayer* overlay = addOverlay(true);
    CCNode* mask = overlay->getChildByTag(CNetLayer::kMaskTag);
    bool grey = false;
    CCArray* children = mask->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (auto* colour = dynamic_cast<CCLayerColor*>(children->objectAtIndex(i))) {
            grey = colour->getColor().r == 100 && colour->getOpacity() == 125;
        }
    }
    EXPECT_TRUE(grey);
    CCNode* spinner = mask->getChildByTag(CCMask::kSpinnerTag);
    ASSERT_NE(spinner, nullptr);
    EXPECT_FALSE(spinner->isVisible());
    engine::testing::stepSeconds(0.9f);
    EXPECT_FALSE(spinner->isVisible());
    engine::testing::stepSeconds(0.2f);
    EXPECT_TRUE(spinner->isVisible());
}

TEST_F(BusyOverlayTest, GivesUpAfterFortySecondsWithAWayBack) {
    CNetLayer* overlay = addOverlay(true);
    engine::testing::stepSeconds(39.9f);
    EXPECT_NE(overlay->getChildByTag(CNetLayer::kMaskTag), nullptr);
    EXPECT_FALSE(treeContainsText(m_scene, "theNetIsDie-zh"));
    engine::testing::stepSeconds(0.2f);
    EXPECT_EQ(overlay->getChildByTag(CNetLayer::kMaskTag), nullptr) << "the player can touch again";
    EXPECT_TRUE(treeContainsText(overlay, "theNetIsDie-zh"));
    EXPECT_NE(m_scene->getChildByTag(20001), nullptr) << "the overlay node stays";

    CMyMessageBox* box = nullptr;
    CCArray* children = overlay->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        box = box ? box : dynamic_cast<CMyMessageBox*>(children->objectAtIndex(i));
    }
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(2), nullptr);
    box->handleRelease(box->button(2)->getPosition());
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

TEST_F(BusyOverlayTest, RemovedBeforeFortySecondsNeverGivesUp) {
    CNetLayer* overlay = addOverlay(false);
    engine::testing::stepSeconds(39.9f);
    m_scene->removeChild(overlay, true);
    engine::testing::stepSeconds(5.0f);
    EXPECT_FALSE(treeContainsText(m_scene, "theNetIsDie-zh"));
}

} // namespace
