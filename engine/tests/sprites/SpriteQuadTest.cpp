// Quad vertices and texture coordinates of trimmed, rotated and flipped frames; colour and opacity.
#include <gtest/gtest.h>

#include "../render/RenderTestSupport.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCSpriteFrameCache.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;

namespace {

class SpriteQuadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine::testing::resetEngine();
        SKIP_WITHOUT_SAMPLES(); // every quad here is cut from a sample sheet or picture
        CCFileUtils::sharedFileUtils()->setResourceRoot(rendertest::samples(""));
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("spritesheets/grossini-generic.plist");
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("spritesheets/grossini.plist");
    }
    void TearDown() override
    {
        CCSpriteFrameCache::purgeSharedSpriteFrameCache();
        CCTextureCache::purgeSharedTextureCache();
    }
};

struct Corner {
    float x, y, u, v;
};

void expectCorner(const ccV3F_C4B_T2F& got, Corner want, const char* what)
{
    EXPECT_FLOAT_EQ(got.vertices.x, want.x) << what;
    EXPECT_FLOAT_EQ(got.vertices.y, want.y) << what;
    EXPECT_FLOAT_EQ(got.texCoords.u, want.u) << what;
    EXPECT_FLOAT_EQ(got.texCoords.v, want.v) << what;
}

} // namespace

TEST_F(SpriteQuadTest, RotatedTrimmedFrameAndItsFlips)
{
    // grossini_dance_generic_03: rect {2,236} 63x109 rotated, offset (-6,-1), original 85x121, atlas 512x512.
    CCSprite* s = CCSprite::createWithSpriteFrameName("grossini_dance_generic_03.png");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getContentSize(), CCSize(85, 121));
    const float l = 2 / 512.f, r = 111 / 512.f, t = 236 / 512.f, b = 299 / 512.f;
    struct Case {
        bool flipX, flipY;
        float x1, y1;
        Corner bl, br, tl, tr;
    } cases[] = {
        // bottom-left at ((85-63)/2 - 6, (121-109)/2 - 1)
        {false, false, 5, 5, {5, 5, l, t}, {68, 5, l, b}, {5, 114, r, t}, {68, 114, r, b}},
        {true, false, 17, 5, {17, 5, l, b}, {80, 5, l, t}, {17, 114, r, b}, {80, 114, r, t}},
        {false, true, 5, 7, {5, 7, r, t}, {68, 7, r, b}, {5, 116, l, t}, {68, 116, l, b}},
    };
    for (const Case& c : cases) {
        s->setFlipX(c.flipX);
        s->setFlipY(c.flipY);
        const ccV3F_C4B_T2F_Quad& q = s->getQuad();
        EXPECT_FLOAT_EQ(s->getOffsetPosition().x, c.x1);
        EXPECT_FLOAT_EQ(s->getOffsetPosition().y, c.y1);
        expectCorner(q.bl, c.bl, "bl");
        expectCorner(q.br, c.br, "br");
        expectCorner(q.tl, c.tl, "tl");
        expectCorner(q.tr, c.tr, "tr");
    }
}

TEST_F(SpriteQuadTest, UnrotatedTrimmedFrame)
{
    // grossini_dance_14: rect {331,111} 51x106, offset (0,-2.5), original 85x121, atlas 512x256.
    CCSprite* s = CCSprite::createWithSpriteFrameName("grossini_dance_14.png");
    ASSERT_NE(s, nullptr);
    const ccV3F_C4B_T2F_Quad& q = s->getQuad();
    const float l = 331 / 512.f, r = 382 / 512.f, t = 111 / 256.f, b = 217 / 256.f;
    expectCorner(q.bl, {17, 5, l, b}, "bl");
    expectCorner(q.tr, {68, 111, r, t}, "tr");
    expectCorner(q.tl, {17, 111, l, t}, "tl");
    expectCorner(q.br, {68, 5, r, b}, "br");
    // In world space, the anchor (centre of 85x121) sits at the position.
    s->setPosition(CCPoint(100, 200));
    const ccV3F_C4B_T2F_Quad w = s->worldQuad(s->nodeToParentMatrix());
    EXPECT_FLOAT_EQ(w.bl.vertices.x, 100 - 42.5f + 17);
    EXPECT_FLOAT_EQ(w.bl.vertices.y, 200 - 60.5f + 5);
}

TEST_F(SpriteQuadTest, DisplayFrameSwapsAndIsRecognised)
{
    CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();
    CCSprite* s = CCSprite::createWithSpriteFrameName("grossini_dance_01.png");
    ASSERT_NE(s, nullptr);
    CCSpriteFrame* other = cache->spriteFrameByName("grossini_dance_generic_09.png");
    EXPECT_FALSE(s->isFrameDisplayed(other));
    s->setDisplayFrame(other);
    EXPECT_TRUE(s->isFrameDisplayed(other));
    EXPECT_TRUE(s->isTextureRectRotated());
    EXPECT_EQ(s->getTexture(), other->getTexture());
    EXPECT_EQ(s->getTextureRect(), CCRect(224, 236, 51, 109));
    CCSpriteFrame* shown = s->displayFrame();
    EXPECT_EQ(shown->getRect(), other->getRect());
    EXPECT_EQ(shown->getOffset(), other->getOffset());
}

TEST_F(SpriteQuadTest, ColourIsPremultipliedByOpacityForPngTextures)
{
    CCSprite* s = CCSprite::create("spritesheets/ui.png");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getContentSize(), CCSize(128, 256));
    EXPECT_EQ(s->getBlendFunc(), (ccBlendFunc{kGL_ONE, kGL_ONE_MINUS_SRC_ALPHA}));
    s->setColor(ccc3(200, 100, 50));
    s->setOpacity(128);
    const ccColor4B c = s->getQuad().tl.colors;
    EXPECT_EQ(c.r, 200 * 128 / 255);
    EXPECT_EQ(c.g, 100 * 128 / 255);
    EXPECT_EQ(c.b, 50 * 128 / 255);
    EXPECT_EQ(c.a, 128);
    s->setOpacityModifyRGB(false);
    EXPECT_EQ(s->getQuad().br.colors.r, 200);
    CCSprite* part = CCSprite::create("spritesheets/ui.png", CCRect(10, 20, 30, 40));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->getContentSize(), CCSize(30, 40));
    EXPECT_FLOAT_EQ(part->getQuad().tl.texCoords.v, 20 / 256.f);
    EXPECT_FLOAT_EQ(part->getQuad().br.texCoords.u, 40 / 128.f);
}
