// Drawing through the offscreen GL context: pixels probed at known places, batching, scissor,
// stencil and render targets.
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "director/CCDirector.h"
#include "nodes/CCLayerColor.h"
#include "nodes/CCScene.h"
#include "render/GLRenderer.h"
#include "render/RenderTarget.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;
using rendertest::Frame;

namespace {

class GLRendererTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine::testing::resetEngine();
        if (!rendertest::glRenderer())
            GTEST_SKIP() << "no OpenGL context (SDL offscreen driver unavailable)";
        rendertest::useGL();
    }
    void TearDown() override { rendertest::useNull(); }
};

// A white sprite of w x h made from raw pixels (no file needed).
CCTexture2D* solidTexture(int w, int h, ccColor4B c)
{
    std::vector<unsigned char> px(static_cast<std::size_t>(w * h * 4));
    for (std::size_t i = 0; i < px.size(); i += 4) {
        px[i] = c.r;
        px[i + 1] = c.g;
        px[i + 2] = c.b;
        px[i + 3] = c.a;
    }
    auto* t = new CCTexture2D();
    t->initWithData(px.data(), kCCTexture2DPixelFormat_RGBA8888, static_cast<unsigned>(w), static_cast<unsigned>(h),
                    CCSize(static_cast<float>(w), static_cast<float>(h)));
    t->setPremultipliedAlpha(true);
    t->autorelease();
    return t;
}

bool near(ccColor4B c, int r, int g, int b, int tolerance = 3)
{
    return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance && std::abs(c.b - b) <= tolerance;
}

} // namespace

TEST_F(GLRendererTest, RedLayerCoversTheLeftHalfOnly)
{
    CCScene* scene = CCScene::create();
    CCLayerColor* red = CCLayerColor::create(ccc4(255, 0, 0, 255), 480, 640);
    scene->addChild(red);
    const Frame f = rendertest::render(scene);
    ASSERT_EQ(f.width, 960);
    EXPECT_TRUE(near(f.at(10, 10), 255, 0, 0));
    EXPECT_TRUE(near(f.at(470, 630), 255, 0, 0));
    EXPECT_TRUE(near(f.at(490, 10), 0, 0, 0));
    EXPECT_TRUE(near(f.at(950, 630), 0, 0, 0));
}

TEST_F(GLRendererTest, SpriteFromAPictureLandsCentredOnItsPosition)
{
    SKIP_WITHOUT_SAMPLES();
    CCFileUtils::sharedFileUtils()->setResourceRoot(rendertest::samples("cocostudio-ui/CocoGUISample"));
    CCSprite* sprite = CCSprite::create("CloseNormal.png");
    ASSERT_NE(sprite, nullptr);
    const CCSize size = sprite->getContentSize();
    EXPECT_GT(size.width, 0);
    // A blue square next to the picture so the probe does not depend on the picture's content.
    CCSprite* blue = CCSprite::createWithTexture(solidTexture(40, 40, ccc4(0, 0, 255, 255)));
    blue->setPosition(CCPoint(700, 200));
    CCScene* scene = CCScene::create();
    sprite->setPosition(CCPoint(200, 300));
    scene->addChild(sprite);
    scene->addChild(blue);
    const Frame f = rendertest::render(scene, ccColor4F{0, 0, 0, 1});
    EXPECT_TRUE(near(f.at(700, 200), 0, 0, 255));
    EXPECT_TRUE(near(f.at(681, 181), 0, 0, 255));
    EXPECT_TRUE(near(f.at(677, 200), 0, 0, 0));
    EXPECT_TRUE(near(f.at(723, 200), 0, 0, 0));
    // Somewhere inside the picture's box something was drawn; outside it nothing.
    int lit = 0;
    for (int y = 300 - static_cast<int>(size.height / 2) + 1; y < 300 + size.height / 2 - 1; ++y)
        for (int x = 200 - static_cast<int>(size.width / 2) + 1; x < 200 + size.width / 2 - 1; ++x)
            lit += f.at(x, y).r + f.at(x, y).g + f.at(x, y).b > 30;
    EXPECT_GT(lit, 20);
    EXPECT_TRUE(near(f.at(200, static_cast<int>(300 + size.height / 2 + 3)), 0, 0, 0));
}

TEST_F(GLRendererTest, SameTextureSpritesMergeIntoOneDrawCall)
{
    CCTexture2D* a = solidTexture(8, 8, ccc4(255, 255, 255, 255));
    CCTexture2D* b = solidTexture(8, 8, ccc4(0, 255, 0, 255));
    struct Case {
        const char* name;
        std::vector<int> textures; // 0 = a, 1 = b, in draw order
        int drawCalls;
    } cases[] = {
        {"all the same", {0, 0, 0, 0, 0}, 1},
        {"two runs", {0, 0, 1, 1}, 2},
        {"alternating", {0, 1, 0, 1}, 4},
    };
    for (const Case& c : cases) {
        CCScene* scene = CCScene::create();
        float x = 20;
        for (int t : c.textures) {
            CCSprite* s = CCSprite::createWithTexture(t ? b : a);
            s->setPosition(CCPoint(x, 20));
            x += 20;
            scene->addChild(s);
        }
        rendertest::render(scene);
        EXPECT_EQ(Renderer::current()->drawCallsLastFrame(), c.drawCalls) << c.name;
        EXPECT_EQ(Renderer::current()->lastFrameStats().quads, static_cast<int>(c.textures.size())) << c.name;
    }
}

TEST_F(GLRendererTest, ScissorKeepsDrawingInsideTheBox)
{
    GLRenderer* r = rendertest::glRenderer();
    CCScene* scene = CCScene::create();
    CCLayerColor* green = CCLayerColor::create(ccc4(0, 255, 0, 255), 960, 640);
    scene->addChild(green);
    r->beginFrame(CCDirector::sharedDirector()->getProjectionMatrix(), 960, 640, ccColor4F{0, 0, 0, 1});
    r->enableScissor(100, 100, 200, 50);
    scene->visit();
    r->disableScissor();
    r->endFrame();
    std::vector<unsigned char> px;
    ASSERT_TRUE(r->readPixels(0, 0, 960, 640, px));
    auto at = [&](int x, int y) {
        const std::size_t i = (static_cast<std::size_t>(639 - y) * 960 + static_cast<std::size_t>(x)) * 4;
        return ccColor4B{px[i], px[i + 1], px[i + 2], px[i + 3]};
    };
    EXPECT_TRUE(near(at(150, 120), 0, 255, 0));
    EXPECT_TRUE(near(at(299, 149), 0, 255, 0));
    EXPECT_TRUE(near(at(90, 120), 0, 0, 0));
    EXPECT_TRUE(near(at(150, 160), 0, 0, 0));
}

TEST_F(GLRendererTest, StencilClipsContentNormalAndInverted)
{
    GLRenderer* r = rendertest::glRenderer();
    if (r->stencilBits() == 0)
        GTEST_SKIP() << "no stencil buffer";
    CCLayerColor* shape = CCLayerColor::create(ccc4(255, 255, 255, 255), 100, 100);
    shape->setPosition(CCPoint(400, 300));
    CCLayerColor* content = CCLayerColor::create(ccc4(255, 0, 0, 255), 960, 640);
    for (bool inverted : {false, true}) {
        r->beginFrame(CCDirector::sharedDirector()->getProjectionMatrix(), 960, 640, ccColor4F{0, 0, 0, 1});
        r->beginStencilWrite(0, 1.0f);
        shape->visit();
        r->beginStencilTest(0, inverted);
        content->visit();
        r->endStencil(0);
        r->endFrame();
        std::vector<unsigned char> px;
        ASSERT_TRUE(r->readPixels(0, 0, 960, 640, px));
        auto red = [&](int x, int y) { return px[(static_cast<std::size_t>(639 - y) * 960 + static_cast<std::size_t>(x)) * 4] > 200; };
        EXPECT_EQ(red(450, 350), !inverted) << "inside, inverted=" << inverted;
        EXPECT_EQ(red(100, 100), inverted) << "outside, inverted=" << inverted;
        // The stencil shape itself never reaches the colour buffer.
        if (inverted) {
            EXPECT_FALSE(px[(static_cast<std::size_t>(639 - 350) * 960 + 450) * 4 + 1] > 200);
        }
    }
}

TEST_F(GLRendererTest, RenderTargetMapsWorldOriginToTexturePixelZero)
{
    RenderTarget* target = RenderTarget::create(64, 32);
    ASSERT_NE(target, nullptr);
    CCLayerColor* blue = CCLayerColor::create(ccc4(0, 0, 255, 255), 16, 8);
    target->clear(0, 0, 0, 0);
    target->begin();
    blue->visit();
    Renderer::current()->flush();
    target->end();
    std::vector<unsigned char> px;
    ASSERT_TRUE(target->readPixels(px));
    ASSERT_EQ(px.size(), 64u * 32u * 4u);
    // Rows come top first: world y 0 is the last row.
    auto pixel = [&](int x, int worldY) { return &px[(static_cast<std::size_t>(31 - worldY) * 64 + static_cast<std::size_t>(x)) * 4]; };
    EXPECT_EQ(pixel(1, 1)[2], 255);
    EXPECT_EQ(pixel(15, 7)[2], 255);
    EXPECT_EQ(pixel(17, 1)[2], 0);
    EXPECT_EQ(pixel(1, 9)[2], 0);
    EXPECT_EQ(pixel(40, 20)[3], 0);
    delete target;
}
