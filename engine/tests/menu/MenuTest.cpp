// CCMenu hit testing, selection tracking and activation through injected touches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SampleFiles.h"
#include "director/CCDirector.h"
#include "labels/CCLabelBMFont.h"
#include "menu/CCMenu.h"
#include "menu/CCMenuItemLabel.h"
#include "menu/CCMenuItemSprite.h"
#include "menu/CCMenuItemToggle.h"
#include "nodes/CCLayer.h"
#include "nodes/CCScene.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"
#include "testing/EngineTesting.h"
#include "touch/CCTouchDispatcher.h"

using namespace cocos2d;
namespace et = engine::testing;

namespace {

class Recorder : public CCObject {
public:
    void pressed(CCObject* sender) { hits.push_back(static_cast<CCNode*>(sender)->getTag()); }
    std::vector<int> hits;
};

// A layer below the menu that records whether it saw a touch.
class Below : public CCLayer {
public:
    CREATE_FUNC(Below);
    void registerWithTouchDispatcher() override
    {
        CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, true);
    }
    bool ccTouchBegan(CCTouch*, CCEvent*) override
    {
        ++began;
        return true;
    }
    int began = 0;
};

CCSprite* box(float w, float h)
{
    std::vector<unsigned char> px(static_cast<std::size_t>(w * h * 4), 255);
    auto* t = new CCTexture2D();
    t->initWithData(px.data(), kCCTexture2DPixelFormat_RGBA8888, static_cast<unsigned>(w), static_cast<unsigned>(h),
                    CCSize(w, h));
    CCSprite* s = CCSprite::createWithTexture(t);
    t->release();
    return s;
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        et::resetEngine();
        m_recorder = new Recorder();
        // Two 100 x 40 items centred at (300, 200) and (600, 200) in world space (menu at the centre).
        m_a = CCMenuItemSprite::create(box(100, 40), box(100, 40), m_recorder, menu_selector(Recorder::pressed));
        m_b = CCMenuItemSprite::create(box(100, 40), nullptr, m_recorder, menu_selector(Recorder::pressed));
        m_a->setTag(1);
        m_b->setTag(2);
        m_a->setPosition(CCPoint(-180, -120));
        m_b->setPosition(CCPoint(120, -120));
        m_menu = CCMenu::create(m_a, m_b, nullptr);
        m_below = Below::create();
        m_below->setTouchEnabled(true);
        m_scene = CCScene::create();
        m_scene->addChild(m_below);
        m_scene->addChild(m_menu);
        et::runScene(m_scene);
    }
    void TearDown() override
    {
        et::resetEngine();
        m_recorder->release();
    }

public:
    Recorder* m_recorder = nullptr;
    CCMenuItemSprite* m_a = nullptr;
    CCMenuItemSprite* m_b = nullptr;
    CCMenu* m_menu = nullptr;
    Below* m_below = nullptr;
    CCScene* m_scene = nullptr;
};

} // namespace

TEST_F(MenuTest, DefaultsOfTheMenu)
{
    EXPECT_EQ(m_menu->getTouchPriority(), kCCMenuHandlerPriority);
    EXPECT_EQ(m_menu->getPosition(), CCPoint(480, 320));
    EXPECT_EQ(m_menu->getContentSize(), CCSize(960, 640));
    EXPECT_EQ(m_a->getContentSize(), CCSize(100, 40));
    EXPECT_EQ(m_a->rect(), CCRect(-230, -140, 100, 40));
}

TEST_F(MenuTest, TapsActivateTheItemUnderTheFingerAndSwallow)
{
    struct Case {
        const char* name;
        std::vector<CCPoint> path; // began, moves..., ended
        std::vector<int> hits;
        int belowBegan;
    } cases[] = {
        {"tap on A", {{300, 200}, {300, 200}}, {1}, 0},
        {"edge of B counts", {{650, 220}, {650, 220}}, {2}, 0},
        {"outside every item", {{480, 500}, {480, 500}}, {}, 1},
        {"slide from A to B", {{300, 200}, {450, 200}, {600, 200}, {600, 200}}, {2}, 0},
        {"slide off and release outside", {{300, 200}, {300, 400}, {300, 400}}, {}, 0},
        {"slide off and back", {{300, 200}, {300, 400}, {310, 205}, {310, 205}}, {1}, 0},
    };
    for (const Case& c : cases) {
        m_recorder->hits.clear();
        m_below->began = 0;
        et::touchBegan(c.path.front().x, c.path.front().y);
        for (std::size_t i = 1; i + 1 < c.path.size(); ++i)
            et::touchMoved(c.path[i].x, c.path[i].y);
        et::touchEnded(c.path.back().x, c.path.back().y);
        et::stepFrames(1);
        EXPECT_EQ(m_recorder->hits, c.hits) << c.name;
        EXPECT_EQ(m_below->began, c.belowBegan) << c.name;
        EXPECT_FALSE(m_a->isSelected()) << c.name;
        EXPECT_FALSE(m_b->isSelected()) << c.name;
    }
}

TEST_F(MenuTest, SelectionFollowsMovesAndSwapsImages)
{
    et::touchBegan(300, 200);
    EXPECT_TRUE(m_a->isSelected());
    EXPECT_FALSE(m_a->getNormalImage()->isVisible());
    EXPECT_TRUE(m_a->getSelectedImage()->isVisible());
    et::touchMoved(600, 200);
    EXPECT_FALSE(m_a->isSelected());
    EXPECT_TRUE(m_a->getNormalImage()->isVisible());
    EXPECT_TRUE(m_b->isSelected());
    EXPECT_EQ(m_menu->getSelectedItem(), m_b);
    et::touchMoved(480, 600);
    EXPECT_EQ(m_menu->getSelectedItem(), nullptr);
    et::touchCancelled(480, 600);
    EXPECT_EQ(m_menu->getState(), kCCMenuStateWaiting);
    EXPECT_TRUE(m_recorder->hits.empty());
}

TEST_F(MenuTest, DisabledItemsHiddenAncestorsAndDisabledMenusDoNotClaim)
{
    struct Case {
        const char* name;
        void (*setup)(MenuTest*);
        void (*undo)(MenuTest*);
    };
    const Case cases[] = {
        {"item disabled", [](MenuTest* t) { t->m_a->setEnabled(false); }, [](MenuTest* t) { t->m_a->setEnabled(true); }},
        {"item hidden", [](MenuTest* t) { t->m_a->setVisible(false); }, [](MenuTest* t) { t->m_a->setVisible(true); }},
        {"menu disabled", [](MenuTest* t) { t->m_menu->setEnabled(false); }, [](MenuTest* t) { t->m_menu->setEnabled(true); }},
    };
    for (const Case& c : cases) {
        c.setup(this);
        m_below->began = 0;
        et::tap(300, 200);
        EXPECT_TRUE(m_recorder->hits.empty()) << c.name;
        EXPECT_EQ(m_below->began, 1) << c.name; // the touch went on to the layer below
        c.undo(this);
    }
    // A hidden parent hides the menu from touches too.
    CCNode* holder = CCNode::create();
    m_menu->retain();
    m_menu->removeFromParentAndCleanup(false);
    holder->addChild(m_menu);
    m_menu->release();
    m_scene->addChild(holder);
    holder->setVisible(false);
    et::tap(300, 200);
    EXPECT_TRUE(m_recorder->hits.empty());
    holder->setVisible(true);
    et::tap(300, 200);
    EXPECT_EQ(m_recorder->hits, std::vector<int>{1});
}

TEST_F(MenuTest, LabelItemZoomsWhileSelected)
{
    SKIP_WITHOUT_SAMPLES();
    CCFileUtils::sharedFileUtils()->setResourceRoot(brindle::samples::file("bmfont"));
    CCLabelBMFont* text = CCLabelBMFont::create("Play", "futura.fnt");
    ASSERT_NE(text, nullptr);
    CCMenuItemLabel* item = CCMenuItemLabel::create(text, m_recorder, menu_selector(Recorder::pressed));
    item->setTag(7);
    item->setPosition(CCPoint(0, 100)); // world (480, 420)
    m_menu->addChild(item);
    EXPECT_EQ(item->getContentSize(), text->getContentSize());
    et::touchBegan(480, 420);
    et::stepSeconds(0.05f);
    EXPECT_GT(item->getScale(), 1.0f);
    EXPECT_LT(item->getScale(), 1.2f);
    et::stepSeconds(0.1f);
    EXPECT_FLOAT_EQ(item->getScale(), 1.2f);
    et::touchMoved(480, 10); // off the item: zooms back
    et::stepSeconds(0.15f);
    EXPECT_FLOAT_EQ(item->getScale(), 1.0f);
    et::touchMoved(480, 420);
    et::touchEnded(480, 420);
    EXPECT_FLOAT_EQ(item->getScale(), 1.0f); // activation snaps back at once
    EXPECT_EQ(m_recorder->hits, std::vector<int>{7});
    item->setEnabled(false);
    EXPECT_EQ(text->getColor().r, 126);
    item->setEnabled(true);
    EXPECT_EQ(text->getColor().r, 255);
    CCLabelBMFont::purgeCachedData();
    CCTextureCache::purgeSharedTextureCache();
}

TEST_F(MenuTest, ToggleCyclesThroughItsItemsBeforeTheCallback)
{
    CCMenuItemSprite* on = CCMenuItemSprite::create(box(60, 30), nullptr);
    CCMenuItemSprite* off = CCMenuItemSprite::create(box(80, 30), nullptr);
    CCMenuItemToggle* toggle =
        CCMenuItemToggle::createWithTarget(m_recorder, menu_selector(Recorder::pressed), on, off, nullptr);
    toggle->setTag(9);
    toggle->setPosition(CCPoint(0, 200)); // world (480, 520)
    m_menu->addChild(toggle);
    EXPECT_EQ(toggle->getSelectedIndex(), 0u);
    EXPECT_EQ(toggle->getContentSize(), CCSize(60, 30));
    et::tap(480, 520);
    EXPECT_EQ(toggle->getSelectedIndex(), 1u);
    EXPECT_EQ(toggle->selectedItem(), off);
    EXPECT_EQ(toggle->getContentSize(), CCSize(80, 30));
    et::tap(480, 520);
    EXPECT_EQ(toggle->getSelectedIndex(), 0u);
    EXPECT_EQ(m_recorder->hits, (std::vector<int>{9, 9}));
}
