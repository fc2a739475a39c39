// Clipping and render textures drawn for real in the offscreen GL context.
#include <SDL2/SDL.h>

#include <unistd.h>

#include <cstdio>

#include "ExtTestSupport.h"
#include "director/CCDirector.h"
#include "extensions/CCClippingNode.h"
#include "extensions/CCDrawNode.h"
#include "extensions/CCRenderTexture.h"
#include "nodes/CCLayerColor.h"
#include "platform/CCEGLView.h"
#include "platform/CCImage.h"
#include "render/GLRenderer.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"

using namespace cocos2d;

namespace {

GLRenderer* gl()
{
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (!SDL_getenv("SDL_VIDEODRIVER"))
            SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
        CCEGLView::sharedOpenGLView();
    }
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    return view->isOpenGLReady() ? view->renderer() : nullptr;
}

struct Frame {
    std::vector<unsigned char> rgba;
    ccColor4B at(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(639 - y) * 960 + static_cast<std::size_t>(x)) * 4;
        return ccColor4B{rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]};
    }
};

class RenderNodesTest : public exttest::ExtensionTest {
protected:
    void SetUp() override
    {
        ExtensionTest::SetUp();
        renderer = gl();
        if (!renderer)
            GTEST_SKIP() << "no GL context here";
        Renderer::setCurrent(renderer);
        CCDirector::sharedDirector()->setOpenGLView(CCEGLView::sharedOpenGLView());
        // Pictures cached by earlier logic tests were made without a GL context.
        CCTextureCache::sharedTextureCache()->removeAllTextures();
    }
    void TearDown() override
    {
        Renderer::setCurrent(nullptr);
        ExtensionTest::TearDown();
    }
    Frame render(CCNode* root)
    {
        Frame f;
        renderer->setDesignSize(960, 640);
        renderer->beginFrame(CCDirector::sharedDirector()->getProjectionMatrix(), 960, 640, ccColor4F{0, 0, 0, 1});
        root->visit();
        renderer->endFrame();
        renderer->readPixels(0, 0, 960, 640, f.rgba);
        return f;
    }
    GLRenderer* renderer = nullptr;
};

TEST_F(RenderNodesTest, InvertedClippingWithAnAlphaThreshold)
{
    SKIP_WITHOUT_SAMPLES();
    // Stencil: a round icon (60 x 60, transparent corners) scaled up 5 times at the centre.
    CCSprite* stencil = CCSprite::create(exttest::samples("cocostudio-ui/CocoGUISample/ccicon.png").c_str());
    ASSERT_NE(stencil, nullptr);
    stencil->setScale(5);
    stencil->setPosition(CCPoint(480, 320));
    CCClippingNode* clip = CCClippingNode::create(stencil);
    clip->setInverted(true);
    clip->setAlphaThreshold(0.05f);
    CCLayerColor* red = CCLayerColor::create(ccc4(255, 0, 0, 255));
    clip->addChild(red);
    CCNode* root = CCNode::create();
    root->addChild(clip);

    Frame f = render(root);
    // Far from the stencil: red shows (inverted). At the picture's opaque middle: nothing.
    EXPECT_EQ(f.at(50, 50).r, 255);
    EXPECT_EQ(f.at(480, 320).r, 0);

    // Not inverted: the opposite.
    clip->setInverted(false);
    Frame g = render(root);
    EXPECT_EQ(g.at(50, 50).r, 0);
    EXPECT_EQ(g.at(480, 320).r, 255);

    // Threshold 1 counts the whole quad, transparent corners included; 0.05 leaves them out.
    const int cornerX = 480 - 150 + 2, cornerY = 320 - 150 + 2; // 60 x 5 = 300 wide picture
    clip->setAlphaThreshold(1);
    EXPECT_EQ(render(root).at(cornerX, cornerY).r, 255);
    clip->setAlphaThreshold(0.05f);
    EXPECT_EQ(render(root).at(cornerX, cornerY).r, 0);
}

TEST_F(RenderNodesTest, RenderTextureSavesAReadablePng)
{
    CCRenderTexture* texture = CCRenderTexture::create(64, 32);
    ASSERT_NE(texture, nullptr);
    CCDrawNode* dot = CCDrawNode::create();
    dot->drawDot(CCPoint(16, 16), 10, ccc4f(0, 1, 0, 1));
    texture->beginWithClear(0, 0, 1, 1);
    dot->visit();
    texture->end();
    std::vector<unsigned char> pixels;
    ASSERT_TRUE(texture->readPixels(pixels));
    ASSERT_EQ(pixels.size(), 64u * 32u * 4u);

    std::string dir = "/tmp/brindle-ext-test-" + std::to_string(::getpid()) + "/";
    CCFileUtils::sharedFileUtils()->setWritablePath(dir);
    ASSERT_TRUE(texture->saveToFile("shot.png", kCCImageFormatPNG));
    CCImage* image = new CCImage();
    ASSERT_TRUE(image->initWithImageFile((dir + "shot.png").c_str()));
    EXPECT_EQ(image->getWidth(), 64);
    EXPECT_EQ(image->getHeight(), 32);
    // Image rows run top to bottom: the dot (centre 16,16 from the bottom) is green, the rest blue.
    const unsigned char* p = image->getData();
    auto pixel = [&](int x, int yFromTop) { return p + (static_cast<std::size_t>(yFromTop) * 64 + static_cast<std::size_t>(x)) * 4; };
    EXPECT_GT(pixel(16, 15)[1], 200);
    EXPECT_LT(pixel(16, 15)[2], 50);
    EXPECT_GT(pixel(60, 5)[2], 200);
    image->release();
    std::remove((dir + "shot.png").c_str());
}

TEST_F(RenderNodesTest, RenderTextureNeedsGL)
{
    Renderer::setCurrent(nullptr);
    EXPECT_EQ(CCRenderTexture::create(16, 16), nullptr);
    EXPECT_TRUE(logged({"CCRenderTexture"}));
}

} // namespace
