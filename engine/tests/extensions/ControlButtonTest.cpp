#include "ExtTestSupport.h"
#include "extensions/control/CCControlButton.h"
#include "extensions/control/CCScale9Sprite.h"
#include "labels/CCLabelTTF.h"
#include "nodes/CCScene.h"

using namespace cocos2d;
using namespace cocos2d::extension;
namespace et = engine::testing;

namespace {

class Actions : public CCObject {
public:
    void first(CCObject*, CCControlEvent event) { log.push_back("first:" + std::to_string(event)); }
    void second(CCObject*, CCControlEvent event) { log.push_back("second:" + std::to_string(event)); }
    std::vector<std::string> log;
};

class ControlButtonTest : public exttest::ExtensionTest {
protected:
    void SetUp() override
    {
        ExtensionTest::SetUp();
        SKIP_WITHOUT_SAMPLES(); // every button here wears a sample picture
    }
    CCControlButton* makeButton()
    {
        CCScene* scene = CCScene::create();
        CCScale9Sprite* background =
            CCScale9Sprite::create(exttest::samples("cocostudio-ui/ScrollView_Both/buttonBackground.png").c_str());
        CCControlButton* button = CCControlButton::create(CCLabelTTF::create("OK", "Arial", 20), background);
        button->setPreferredSize(CCSize(120, 60));
        button->setPosition(CCPoint(480, 320));
        scene->addChild(button);
        et::runScene(scene);
        setClickSoundHook([this] { actions.log.push_back("click"); });
        return button;
    }
    Actions actions;
};

TEST_F(ControlButtonTest, EveryActionOfASentEventHasItsClick)
{
    CCControlButton* button = makeButton();
    ASSERT_NE(button, nullptr);
    button->addTargetWithActionForControlEvents(&actions, cccontrol_selector(Actions::first), CCControlEventTouchUpInside);
    button->addTargetWithActionForControlEvents(&actions, cccontrol_selector(Actions::second),
                                                CCControlEventTouchUpInside | CCControlEventTouchDown);
    et::tap(480, 320);
    EXPECT_EQ(actions.log, (std::vector<std::string>{"click", "second:1", "click", "first:32", "click", "second:32"}));
}

TEST_F(ControlButtonTest, ReleaseOutsideAndZoomOnTouchDown)
{
    CCControlButton* button = makeButton();
    button->addTargetWithActionForControlEvents(&actions, cccontrol_selector(Actions::first),
                                                CCControlEventTouchUpOutside | CCControlEventTouchUpInside);
    EXPECT_FLOAT_EQ(button->getContentSize().width, 120);
    et::touchBegan(480, 320);
    et::stepFrames(6);
    EXPECT_NEAR(button->getScale(), 1.1f, 1e-3);
    et::touchMoved(900, 600);
    et::touchEnded(900, 600);
    EXPECT_EQ(actions.log, (std::vector<std::string>{"click", "first:64"}));
    et::stepFrames(6);
    EXPECT_NEAR(button->getScale(), 1.0f, 1e-3);

    button->setZoomOnTouchDown(false);
    et::touchBegan(480, 320);
    et::stepFrames(6);
    EXPECT_FLOAT_EQ(button->getScale(), 1.0f);
    et::touchEnded(480, 320);
}

TEST_F(ControlButtonTest, HiddenOrDisabledButtonsTakeNoTouch)
{
    CCControlButton* button = makeButton();
    button->addTargetWithActionForControlEvents(&actions, cccontrol_selector(Actions::first), CCControlEventTouchDown);
    button->getParent()->setVisible(false);
    et::tap(480, 320);
    button->getParent()->setVisible(true);
    button->setEnabled(false);
    et::tap(480, 320);
    EXPECT_TRUE(actions.log.empty());
    EXPECT_EQ(button->getTouchPriority(), 1);
}

TEST_F(ControlButtonTest, NineSliceKeepsCornersAndStretchesTheMiddle)
{
    CCScale9Sprite* nine = CCScale9Sprite::create(exttest::samples("cocostudio-ui/ScrollView_Both/buttonBackground.png").c_str(),
                                                  CCRect(), CCRect(5, 5, 10, 10));
    ASSERT_NE(nine, nullptr);
    EXPECT_FLOAT_EQ(nine->getOriginalSize().width, 20);
    nine->setPreferredSize(CCSize(100, 40));
    std::vector<ccV3F_C4B_T2F_Quad> quads;
    nine->buildQuads(quads);
    ASSERT_EQ(quads.size(), 9u);
    // Bottom-left corner stays 5 x 5; the centre takes the rest.
    EXPECT_FLOAT_EQ(quads[6].br.vertices.x - quads[6].bl.vertices.x, 5);
    EXPECT_FLOAT_EQ(quads[6].tl.vertices.y - quads[6].bl.vertices.y, 5);
    EXPECT_FLOAT_EQ(quads[4].br.vertices.x - quads[4].bl.vertices.x, 90);
    EXPECT_FLOAT_EQ(quads[4].tl.vertices.y - quads[4].bl.vertices.y, 30);
    EXPECT_EQ(CCScale9Sprite::createWithSpriteFrameName("no-such-frame.png"), nullptr);
    EXPECT_TRUE(logged({"no-such-frame.png"}));
}

} // namespace
