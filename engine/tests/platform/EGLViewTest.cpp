// The offscreen window: a real GL context, exact-fit scaling on resize, and the event pump's
// translation of SDL events into touches, the back key, wheel notches, text and lifecycle calls.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../render/RenderTestSupport.h"
#include "director/CCDirector.h"
#include "nodes/CCLayer.h"
#include "nodes/CCScene.h"
#include "platform/CCApplication.h"
#include "platform/CCEGLView.h"
#include "platform/CCImage.h"
#include "render/GLIncludes.h"
#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"
#include "touch/CCKeypadDispatcher.h"
#include "touch/CCMouseWheelDispatcher.h"
#include "touch/CCTextInputRouter.h"
#include "touch/CCTouch.h"
#include "touch/CCTouchDispatcher.h"

using namespace cocos2d;
namespace et = engine::testing;

namespace {

class TouchLog : public CCLayer {
public:
    CREATE_FUNC(TouchLog);
    void registerWithTouchDispatcher() override
    {
        CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, true);
    }
    bool ccTouchBegan(CCTouch* t, CCEvent*) override
    {
        events.push_back("began " + where(t));
        return true;
    }
    void ccTouchMoved(CCTouch* t, CCEvent*) override { events.push_back("moved " + where(t)); }
    void ccTouchEnded(CCTouch* t, CCEvent*) override { events.push_back("ended " + where(t)); }
    static std::string where(CCTouch* t)
    {
        const CCPoint p = t->getLocation();
        return std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y));
    }
    std::vector<std::string> events;
};

struct Keys : CCKeypadDelegate {
    void keyBackClicked() override { ++back; }
    void keyMenuClicked() override { ++menu; }
    int back = 0, menu = 0;
};

struct Wheel : CCMouseWheelDelegate {
    void mouseWheelScrolled(int delta) override { deltas.push_back(delta); }
    std::vector<int> deltas;
};

class EGLViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        et::resetEngine();
        if (!rendertest::glRenderer())
            GTEST_SKIP() << "no OpenGL context";
        m_view = CCEGLView::sharedOpenGLView();
        CCDirector::sharedDirector()->setOpenGLView(m_view);
        m_view->setDesignResolutionSize(960, 640, kResolutionExactFit);
    }
    void TearDown() override
    {
        if (m_view) {
            CCDirector::sharedDirector()->setOpenGLView(nullptr);
            // A closed window is replaced so the other render tests keep a context.
            if (m_view->isEnded())
                CCEGLView::purgeSharedOpenGLView();
            else
                m_view->setFrameSize(960, 640);
        }
        et::resetEngine();
    }
    SDL_Event mouse(Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT)
    {
        SDL_Event e{};
        e.type = type;
        if (type == SDL_MOUSEMOTION) {
            e.motion.x = x;
            e.motion.y = y;
        } else {
            e.button.button = button;
            e.button.x = x;
            e.button.y = y;
        }
        return e;
    }
    SDL_Event key(SDL_Keycode sym, Uint16 mod = 0)
    {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        return e;
    }
    CCEGLView* m_view = nullptr;
};

} // namespace

TEST_F(EGLViewTest, OffscreenContextRendersAndReadsBack)
{
    EXPECT_TRUE(m_view->isOpenGLReady());
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    GLRenderer* r = m_view->renderer();
    r->beginFrame(Mat4::identity(), 960, 640, ccColor4F{0, 1, 0, 1});
    r->endFrame();
    std::vector<unsigned char> px;
    ASSERT_TRUE(r->readPixels(480, 320, 1, 1, px));
    EXPECT_EQ(px[0], 0);
    EXPECT_EQ(px[1], 255);
    EXPECT_EQ(px[2], 0);
    const std::string shot = (std::filesystem::temp_directory_path() / "brindle-shot.png").string();
    ASSERT_TRUE(m_view->saveScreenshot(shot));
    CCImage image;
    ASSERT_TRUE(image.initWithImageFile(shot.c_str()));
    EXPECT_EQ(image.getWidth(), 960);
    EXPECT_EQ(image.getHeight(), 640);
    EXPECT_EQ(image.getData()[1], 255);
    std::filesystem::remove(shot);
}

TEST_F(EGLViewTest, ResizingKeepsTheDesignSizeAndScalesTouches)
{
    TouchLog* layer = TouchLog::create();
    layer->setTouchEnabled(true);
    CCScene* scene = CCScene::create();
    scene->addChild(layer);
    et::runScene(scene);

    struct Case {
        int w, h;
        float scaleX, scaleY;
        int mx, my;        // window point, y down
        const char* where; // design point, y up
    } cases[] = {
        {960, 640, 1, 1, 100, 40, "100,600"},
        {480, 320, 0.5f, 0.5f, 100, 40, "200,560"},
        {1920, 640, 2, 1, 960, 320, "480,320"},
    };
    for (const Case& c : cases) {
        m_view->setFrameSize(static_cast<float>(c.w), static_cast<float>(c.h));
        EXPECT_EQ(m_view->getFrameSize(), CCSize(static_cast<float>(c.w), static_cast<float>(c.h)));
        EXPECT_EQ(m_view->getDesignResolutionSize(), CCSize(960, 640));
        EXPECT_EQ(CCDirector::sharedDirector()->getWinSize(), CCSize(960, 640));
        EXPECT_FLOAT_EQ(m_view->getScaleX(), c.scaleX);
        EXPECT_FLOAT_EQ(m_view->getScaleY(), c.scaleY);
        layer->events.clear();
        m_view->handleEvent(mouse(SDL_MOUSEBUTTONDOWN, c.mx, c.my));
        m_view->handleEvent(mouse(SDL_MOUSEBUTTONUP, c.mx, c.my));
        ASSERT_EQ(layer->events.size(), 2u);
        EXPECT_EQ(layer->events[0], std::string("began ") + c.where) << c.w << "x" << c.h;
    }
}

TEST_F(EGLViewTest, OnlyTheLeftButtonTouchesAndMovesNeedItHeld)
{
    TouchLog* layer = TouchLog::create();
    layer->setTouchEnabled(true);
    CCScene* scene = CCScene::create();
    scene->addChild(layer);
    et::runScene(scene);
    m_view->setFrameSize(960, 640);
    m_view->handleEvent(mouse(SDL_MOUSEMOTION, 10, 10));                     // not held: nothing
    m_view->handleEvent(mouse(SDL_MOUSEBUTTONDOWN, 10, 10, SDL_BUTTON_RIGHT)); // other buttons: nothing
    m_view->handleEvent(mouse(SDL_MOUSEBUTTONDOWN, 10, 10));
    m_view->handleEvent(mouse(SDL_MOUSEMOTION, 20, 40));
    m_view->handleEvent(mouse(SDL_MOUSEBUTTONUP, 30, 50));
    m_view->handleEvent(mouse(SDL_MOUSEMOTION, 40, 60));
    EXPECT_EQ(layer->events, (std::vector<std::string>{"began 10,630", "moved 20,600", "ended 30,590"}));
}

TEST_F(EGLViewTest, KeysWheelTextAndWindowEvents)
{
    CCDirector* director = CCDirector::sharedDirector();
    Keys keys;
    Wheel wheel;
    director->getKeypadDispatcher()->addDelegate(&keys);
    director->getMouseWheelDispatcher()->addDelegate(&wheel);
    std::string typed;
    int deletes = 0;
    CCTextInputRouter::setHandlers([&](const char* text, int len) { typed.append(text, static_cast<std::size_t>(len)); },
                                   [&] { ++deletes; });
    int background = 0, foreground = 0;
    m_view->setLifecycleHandlers([&] { ++background; }, [&] { ++foreground; });

    m_view->handleEvent(key(SDLK_ESCAPE));
    m_view->handleEvent(key(SDLK_F1, KMOD_LSHIFT));
    m_view->handleEvent(key(SDLK_F2, KMOD_LSHIFT));
    m_view->handleEvent(key(SDLK_F1)); // without shift: nothing
    director->stepFrame(); // keypad changes settle between frames
    EXPECT_EQ(keys.back, 2);
    EXPECT_EQ(keys.menu, 1);

    SDL_Event w{};
    w.type = SDL_MOUSEWHEEL;
    w.wheel.y = 2;
    m_view->handleEvent(w);
    w.wheel.y = -1;
    m_view->handleEvent(w);
    EXPECT_EQ(wheel.deltas, (std::vector<int>{120, 120, -120}));

    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::snprintf(text.text.text, sizeof text.text.text, "%s", "兔a");
    m_view->handleEvent(text);
    m_view->handleEvent(key(SDLK_BACKSPACE));
    m_view->handleEvent(key(SDLK_RETURN));
    EXPECT_EQ(typed, "兔a\n");
    EXPECT_EQ(deletes, 1);

    SDL_Event win{};
    win.type = SDL_WINDOWEVENT;
    win.window.event = SDL_WINDOWEVENT_RESTORED; // not minimised before: ignored
    m_view->handleEvent(win);
    win.window.event = SDL_WINDOWEVENT_MINIMIZED;
    m_view->handleEvent(win);
    win.window.event = SDL_WINDOWEVENT_RESTORED;
    m_view->handleEvent(win);
    EXPECT_EQ(background, 1);
    EXPECT_EQ(foreground, 1);

    CCTextInputRouter::clearHandlers();
    m_view->setLifecycleHandlers(nullptr, nullptr);
    director->getKeypadDispatcher()->removeDelegate(&keys);
    director->getMouseWheelDispatcher()->removeDelegate(&wheel);
    EXPECT_FALSE(director->hasEnded());
    win.window.event = SDL_WINDOWEVENT_CLOSE;
    m_view->handleEvent(win);
    director->stepFrame();
    EXPECT_TRUE(director->hasEnded());
    EXPECT_TRUE(m_view->isEnded());
}

TEST(Application, LanguageFromLocale)
{
    struct Case {
        const char* locale;
        ccLanguageType language;
    } cases[] = {{"zh_CN.UTF-8", kLanguageChinese}, {"en_US.UTF-8", kLanguageEnglish}, {"de_DE", kLanguageGerman},
                 {"ja_JP.UTF-8", kLanguageJapanese}, {"C", kLanguageEnglish}, {"", kLanguageEnglish},
                 {nullptr, kLanguageEnglish}};
    for (const Case& c : cases)
        EXPECT_EQ(CCApplication::languageFromLocale(c.locale), c.language) << (c.locale ? c.locale : "null");
}
