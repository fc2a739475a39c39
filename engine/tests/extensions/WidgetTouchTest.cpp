#include <string>
#include <vector>

#include "ExtTestSupport.h"
#include "director/CCDirector.h"
#include "extensions/gui/UIButton.h"
#include "extensions/gui/UICheckBox.h"
#include "extensions/gui/UILayer.h"
#include "extensions/gui/UILayout.h"
#include "extensions/gui/UIScrollView.h"
#include "nodes/CCScene.h"
#include "touch/CCTouchDispatcher.h"

using namespace cocos2d;
using namespace cocos2d::extension;
namespace et = engine::testing;

namespace {

// Records every listener call and every click, in one sequence.
class Recorder : public CCObject {
public:
    void onTouch(CCObject* sender, TouchEventType type)
    {
        static const char* names[] = {"began", "moved", "ended", "canceled"};
        events.push_back(std::string(static_cast<UIWidget*>(sender)->getName()) + ":" + names[type]);
    }
    void onCheck(CCObject*, CheckBoxEventType type) { events.push_back(type == CHECKBOX_STATE_EVENT_SELECTED ? "selected" : "unselected"); }
    std::vector<std::string> events;
};

// A lower delegate that sees whatever the layer lets pass.
class Below : public CCLayer {
public:
    bool ccTouchBegan(CCTouch*, CCEvent*) override
    {
        ++began;
        return true;
    }
    int began = 0;
};

class WidgetTouchTest : public exttest::ExtensionTest {
protected:
    void SetUp() override
    {
        ExtensionTest::SetUp();
        scene = CCScene::create();
        layer = UILayer::create();
        scene->addChild(layer);
        setClickSoundHook([this] { recorder.events.push_back("click"); });
    }
    UIButton* addButton(const char* name, float x, float y, UIWidget* parent = nullptr)
    {
        UIButton* button = UIButton::create();
        button->setName(name);
        button->ignoreContentAdaptWithSize(false);
        button->setSize(CCSize(100, 50));
        button->setPosition(CCPoint(x, y));
        if (parent)
            parent->addChild(button);
        else
            layer->addWidget(button);
        return button;
    }
    void listen(UIWidget* widget) { widget->addTouchEventListener(&recorder, toucheventselector(Recorder::onTouch)); }

    CCScene* scene = nullptr;
    UILayer* layer = nullptr;
    Recorder recorder;
};

TEST_F(WidgetTouchTest, ClickSoundPlaysBeforeTheBeganListenerOnly)
{
    listen(addButton("ok", 200, 200));
    et::runScene(scene);
    et::touchBegan(210, 205);
    et::touchMoved(215, 205);
    et::touchEnded(215, 205);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"click", "ok:began", "ok:moved", "ok:ended"}));
}

TEST_F(WidgetTouchTest, DefaultClickSoundIsTheButtonEffect)
{
    resetClickSoundHook();
    listen(addButton("ok", 200, 200));
    UIButton* silent = addButton("silent", 600, 200); // no listener: no click
    (void)silent;
    et::runScene(scene);
    et::tap(200, 200);
    et::tap(600, 200);
    auto effects = audio->callsNamed("playEffect");
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_NE(effects[0].file.find("buttonT.mp3"), std::string::npos);
    EXPECT_FALSE(effects[0].loop);
}

TEST_F(WidgetTouchTest, ReleaseOutsideCancels)
{
    listen(addButton("ok", 200, 200));
    et::runScene(scene);
    et::touchBegan(200, 200);
    et::touchMoved(400, 400);
    et::touchEnded(400, 400);
    ASSERT_FALSE(recorder.events.empty());
    EXPECT_EQ(recorder.events.back(), "ok:canceled");
}

TEST_F(WidgetTouchTest, HiddenWidgetsAndHiddenAncestorsTakeNoTouch)
{
    UILayout* panel = UILayout::create();
    panel->setSize(CCSize(960, 640));
    layer->addWidget(panel);
    UIButton* inHidden = addButton("inHidden", 200, 200, panel);
    listen(inHidden);
    UIButton* hidden = addButton("hidden", 600, 200);
    listen(hidden);
    hidden->setVisible(false);
    panel->setVisible(false);

    Below* below = new Below();
    below->init();
    below->autorelease();
    below->setTouchMode(kCCTouchesOneByOne);
    below->setTouchPriority(10);
    below->setTouchEnabled(true);
    scene->addChild(below);
    et::runScene(scene);

    et::tap(200, 200);
    et::tap(600, 200);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(below->began, 2); // the touches passed on

    panel->setVisible(true);
    et::tap(200, 200);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"click", "inHidden:began", "inHidden:ended"}));
    EXPECT_EQ(below->began, 2); // claimed and swallowed
}

TEST_F(WidgetTouchTest, LayerPriorityOrdersItAgainstOtherDelegates)
{
    listen(addButton("ok", 200, 200));
    Below* above = new Below();
    above->init();
    above->autorelease();
    above->setTouchMode(kCCTouchesOneByOne);
    above->setTouchPriority(-10);
    above->setTouchEnabled(true);
    scene->addChild(above);
    et::runScene(scene);
    et::tap(200, 200);
    EXPECT_EQ(above->began, 1);
    EXPECT_TRUE(recorder.events.empty()); // the higher priority delegate swallowed it

    layer->setTouchPriority(-20);
    et::tap(200, 200);
    EXPECT_EQ(above->began, 1);
    EXPECT_EQ(recorder.events.size(), 3u);
}

TEST_F(WidgetTouchTest, TopmostChildWinsAndDisabledTakesNothing)
{
    UIButton* back = addButton("back", 200, 200);
    UIButton* front = addButton("front", 220, 200);
    listen(back);
    listen(front);
    et::runScene(scene);
    et::tap(210, 200);
    ASSERT_GE(recorder.events.size(), 2u);
    EXPECT_EQ(recorder.events[1], "front:began");

    recorder.events.clear();
    front->setEnabled(false);
    et::tap(210, 200);
    ASSERT_GE(recorder.events.size(), 2u);
    EXPECT_EQ(recorder.events[1], "back:began");
}

TEST_F(WidgetTouchTest, CheckBoxTogglesAfterTheEndedEvent)
{
    UICheckBox* box = UICheckBox::create();
    box->setName("box");
    box->ignoreContentAdaptWithSize(false);
    box->setSize(CCSize(40, 40));
    box->setPosition(CCPoint(100, 100));
    layer->addWidget(box);
    listen(box);
    box->addEventListenerCheckBox(&recorder, checkboxselectedeventselector(Recorder::onCheck));
    et::runScene(scene);
    et::tap(100, 100);
    et::tap(100, 100);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"click", "box:began", "box:ended", "selected", "click",
                                                          "box:began", "box:ended", "unselected"}));
    EXPECT_FALSE(box->getSelectedState());
}

TEST_F(WidgetTouchTest, DraggingInsideAScrollViewCancelsTheChild)
{
    UIScrollView* view = UIScrollView::create();
    view->setName("view");
    view->setSize(CCSize(300, 300));
    view->setInnerContainerSize(CCSize(300, 900));
    view->setPosition(CCPoint(0, 0));
    layer->addWidget(view);
    UIButton* item = addButton("item", 150, 850, view);
    listen(item);
    et::runScene(scene);
    // The inner container starts showing its top: the item is at y 850 - 600 = 250 on screen.
    float before = view->getInnerContainer()->getPositionY();
    EXPECT_FLOAT_EQ(before, -600);
    et::touchBegan(150, 250);
    et::touchMoved(150, 253); // within 5 points: still a tap
    et::touchMoved(150, 300); // a drag upwards: the content follows the finger
    et::touchEnded(150, 300);
    EXPECT_EQ(recorder.events.back(), "item:canceled");
    EXPECT_FLOAT_EQ(view->getInnerContainer()->getPositionY(), before + 47);
    // Released while moving: it glides on for a while, slower and slower, then stops.
    et::stepFrames(1);
    float glide1 = view->getInnerContainer()->getPositionY();
    EXPECT_GT(glide1, before + 47);
    et::stepFrames(120);
    float rest = view->getInnerContainer()->getPositionY();
    et::stepFrames(10);
    EXPECT_FLOAT_EQ(view->getInnerContainer()->getPositionY(), rest);
    EXPECT_LE(rest, 0.f);
}

} // namespace
