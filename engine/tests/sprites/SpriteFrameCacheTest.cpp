// Every sample sheet loads with the rectangles, offsets, sizes and rotation read from the files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../render/RenderTestSupport.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCSpriteFrameCache.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;
namespace fs = std::filesystem;

namespace {

class SpriteFrameCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine::testing::resetEngine();
        CCSpriteFrameCache::purgeSharedSpriteFrameCache();
        CCTextureCache::purgeSharedTextureCache();
        CCFileUtils::sharedFileUtils()->setResourceRoot(rendertest::samples(""));
        m_tmp = fs::temp_directory_path() / ("brindle-sheets-" + std::to_string(::getpid()));
        fs::create_directories(m_tmp);
    }
    void TearDown() override
    {
        CCSpriteFrameCache::purgeSharedSpriteFrameCache();
        CCTextureCache::purgeSharedTextureCache();
        fs::remove_all(m_tmp);
    }
    std::string writeTemp(const std::string& name, const std::string& text)
    {
        std::ofstream(m_tmp / name, std::ios::binary) << text;
        return (m_tmp / name).string();
    }
    fs::path m_tmp;
};

struct FrameCase {
    const char* sheet;
    std::size_t frames;
    int textureW, textureH;
    const char* name;
    CCRect rect;
    bool rotated;
    CCPoint offset;
    CCSize original;
};

const FrameCase kFrames[] = {
    // format 0 (no metadata): originalHeight stored negative
    {"spritesheets/grossini.plist", 14, 512, 256, "grossini_dance_01.png", {347, 1, 51, 109}, false, {0, -1}, {85, 121}},
    {"spritesheets/grossini.plist", 14, 512, 256, "grossini_dance_14.png", {331, 111, 51, 106}, false, {0, -2.5f}, {85, 121}},
    // format 3: origin from textureRect, size from spriteSize
    {"spritesheets/grossini-generic.plist", 14, 512, 512, "grossini_dance_generic_01.png", {2, 125, 85, 121}, true, {0, 0}, {85, 121}},
    {"spritesheets/grossini-generic.plist", 14, 512, 512, "grossini_dance_generic_03.png", {2, 236, 63, 109}, true, {-6, -1}, {85, 121}},
    {"spritesheets/grossini-generic.plist", 14, 512, 512, "grossini_dance_generic_09.png", {224, 236, 51, 109}, true, {0, -1}, {85, 121}},
    // format 2 with rotated frames
    {"spritesheets/ui.plist", 9, 128, 256, "button_actived.png", {113, 55, 21, 13}, true, {0, 0}, {21, 13}},
    {"spritesheets/ui.plist", 9, 128, 256, "dialog_corner.png", {89, 56, 12, 16}, true, {0, 0}, {12, 16}},
    {"spritesheets/ui.plist", 9, 128, 256, "crystal.png", {89, 2, 28, 28}, false, {0, 0}, {30, 30}},
    {"spritesheets/ui.plist", 9, 128, 256, "coin.png", {89, 32, 22, 22}, false, {0, 0}, {22, 22}},
    // format 0 sheets of the armature samples, frame names with folders
    {"cocostudio-armature/Blowfish/Blowfish0.plist", 10, 512, 512, "Fish08/normal/actor_fish_hetun02_normal_010.png", {162, 366, 160, 120}, false, {0, 0}, {160, 120}},
    {"cocostudio-armature/HeroAnimation/HeroAnimation0.plist", 14, 1024, 256, "effect_1.png", {643, 0, 202, 109}, false, {0, 0}, {202, 109}},
    {"cocostudio-armature/testEasing/testEasing0.plist", 1, 128, 128, "ICON.png", {0, 0, 78, 78}, false, {0, 0}, {78, 78}},
};

} // namespace

TEST_F(SpriteFrameCacheTest, SampleSheetsLoadWithExactFrames)
{
    SKIP_WITHOUT_SAMPLES();
    for (const FrameCase& c : kFrames) {
        CCSpriteFrameCache::purgeSharedSpriteFrameCache();
        CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();
        cache->addSpriteFramesWithFile(c.sheet);
        EXPECT_EQ(cache->frameCount(), c.frames) << c.sheet;
        CCSpriteFrame* f = cache->spriteFrameByName(c.name);
        ASSERT_NE(f, nullptr) << c.name;
        EXPECT_EQ(f->getRect(), c.rect) << c.name;
        EXPECT_EQ(f->isRotated(), c.rotated) << c.name;
        EXPECT_EQ(f->getOffset(), c.offset) << c.name;
        EXPECT_EQ(f->getOriginalSize(), c.original) << c.name;
        ASSERT_NE(f->getTexture(), nullptr) << c.name;
        EXPECT_EQ(static_cast<int>(f->getTexture()->getPixelsWide()), c.textureW) << c.name;
        EXPECT_EQ(static_cast<int>(f->getTexture()->getPixelsHigh()), c.textureH) << c.name;
    }
}

TEST_F(SpriteFrameCacheTest, LoadedSheetsAreIgnoredAndNamesNeverReplaced)
{
    SKIP_WITHOUT_SAMPLES();
    CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();
    cache->addSpriteFramesWithFile("spritesheets/ui.plist");
    CCSpriteFrame* coin = cache->spriteFrameByName("coin.png");
    EXPECT_TRUE(cache->isPlistLoaded("spritesheets/ui.plist"));
    cache->addSpriteFramesWithFile("spritesheets/ui.plist");
    EXPECT_EQ(cache->frameCount(), 9u);
    // Another sheet with a frame of the same name (texture reused from the samples).
    fs::copy_file(rendertest::samples("spritesheets/ui.png"), m_tmp / "other.png", fs::copy_options::overwrite_existing);
    const std::string other = writeTemp("other.plist", R"(<plist><dict><key>frames</key><dict>
        <key>coin.png</key><dict><key>frame</key><string>{{0,0},{5,5}}</string><key>offset</key><string>{0,0}</string>
        <key>sourceSize</key><string>{5,5}</string></dict>
        <key>extra.png</key><dict><key>frame</key><string>{{1,2},{3,4}}</string><key>offset</key><string>{0,0}</string>
        <key>sourceSize</key><string>{3,4}</string></dict></dict>
        <key>metadata</key><dict><key>format</key><integer>1</integer></dict></dict></plist>)");
    cache->addSpriteFramesWithFile(other.c_str());
    EXPECT_EQ(cache->spriteFrameByName("coin.png"), coin);
    EXPECT_EQ(cache->spriteFrameByName("coin.png")->getRect(), CCRect(89, 32, 22, 22));
    ASSERT_NE(cache->spriteFrameByName("extra.png"), nullptr);
    EXPECT_EQ(cache->spriteFrameByName("extra.png")->getRect(), CCRect(1, 2, 3, 4));
    cache->removeSpriteFramesFromFile(other.c_str());
    EXPECT_EQ(cache->spriteFrameByName("extra.png"), nullptr);
    EXPECT_EQ(cache->spriteFrameByName("coin.png"), nullptr); // named in that file too
}

TEST_F(SpriteFrameCacheTest, AliasesFindTheirFrame)
{
    SKIP_WITHOUT_SAMPLES();
    fs::copy_file(rendertest::samples("spritesheets/ui.png"), m_tmp / "alias.png", fs::copy_options::overwrite_existing);
    const std::string plist = writeTemp("alias.plist", R"(<plist><dict><key>frames</key><dict>
        <key>hero.png</key><dict><key>aliases</key><array><string>hero_alt.png</string></array>
        <key>spriteOffset</key><string>{1,2}</string><key>spriteSize</key><string>{10,20}</string>
        <key>spriteSourceSize</key><string>{12,24}</string><key>textureRect</key><string>{{4,5},{20,10}}</string>
        <key>textureRotated</key><true/></dict></dict>
        <key>metadata</key><dict><key>format</key><integer>3</integer></dict></dict></plist>)");
    CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();
    cache->addSpriteFramesWithFile(plist.c_str());
    CCSpriteFrame* f = cache->spriteFrameByName("hero_alt.png");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f, cache->spriteFrameByName("hero.png"));
    EXPECT_EQ(f->getRect(), CCRect(4, 5, 10, 20));
    EXPECT_TRUE(f->isRotated());
}

TEST_F(SpriteFrameCacheTest, BadInputIsLoggedAndRefused)
{
    rendertest::LogCapture log;
    CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();

    const std::string truncated = writeTemp("truncated.plist", "<plist><dict><key>frames</key><dict><key>a.png</key>");
    cache->addSpriteFramesWithFile(truncated.c_str());
    EXPECT_TRUE(log.contains("truncated.plist"));
    EXPECT_EQ(cache->frameCount(), 0u);

    const std::string noTexture = writeTemp("lonely.plist", R"(<plist><dict><key>frames</key><dict>
        <key>a.png</key><dict><key>x</key><integer>0</integer></dict></dict></dict></plist>)");
    cache->addSpriteFramesWithFile(noTexture.c_str());
    EXPECT_TRUE(log.contains("lonely.png"));
    EXPECT_EQ(cache->frameCount(), 0u);
    EXPECT_FALSE(cache->isPlistLoaded(noTexture.c_str()));

    cache->addSpriteFramesWithFile("no/such/sheet.plist");
    EXPECT_TRUE(log.contains("sheet.plist"));

    EXPECT_EQ(CCSprite::createWithSpriteFrameName("never_loaded.png"), nullptr);
    EXPECT_TRUE(log.contains("never_loaded.png"));

    EXPECT_EQ(CCSprite::create("missing_picture.png"), nullptr);
    EXPECT_TRUE(log.contains("missing_picture.png"));

    const std::string corrupt = writeTemp("corrupt.png", "\x89PNG\r\n\x1a\n not really a picture");
    EXPECT_EQ(CCSprite::create(corrupt.c_str()), nullptr);
    EXPECT_TRUE(log.contains("corrupt.png"));
    EXPECT_EQ(CCTextureCache::sharedTextureCache()->textureForKey(corrupt.c_str()), nullptr);
}

TEST_F(SpriteFrameCacheTest, TextureCacheKeysAndRemoval)
{
    SKIP_WITHOUT_SAMPLES();
    CCTextureCache* tc = CCTextureCache::sharedTextureCache();
    CCTexture2D* a = tc->addImage("spritesheets/ui.png");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(tc->addImage("spritesheets/ui.png"), a);
    EXPECT_EQ(tc->addImage(rendertest::samples("spritesheets/ui.png").c_str()), a); // same full path
    EXPECT_EQ(tc->textureForKey("spritesheets/ui.png"), a);
    EXPECT_TRUE(a->hasPremultipliedAlpha());
    a->retain();
    tc->removeAllTextures();
    EXPECT_EQ(tc->count(), 0u);
    EXPECT_EQ(a->retainCount(), 1u); // still ours
    CCTexture2D* b = tc->addImage("spritesheets/ui.png");
    EXPECT_NE(b, a); // a second copy
    a->release();
    tc->addImage("spritesheets/grossini.png");
    CCSprite* keep = CCSprite::create("spritesheets/grossini.png");
    ASSERT_NE(keep, nullptr);
    tc->removeUnusedTextures();
    EXPECT_EQ(tc->count(), 1u);
    EXPECT_NE(tc->textureForKey("spritesheets/grossini.png"), nullptr);
    tc->removeTexture(keep->getTexture());
    EXPECT_EQ(tc->count(), 0u);
}
