// CCAnimate: frames switch at their delay-unit start times, loops restart, the original frame
// comes back only when asked; the animation cache by name and from animation plists.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../render/RenderTestSupport.h"
#include "nodes/CCScene.h"
#include "sprites/CCAnimate.h"
#include "sprites/CCAnimation.h"
#include "sprites/CCAnimationCache.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCSpriteFrameCache.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;
namespace et = engine::testing;

namespace {

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        et::resetEngine();
        SKIP_WITHOUT_SAMPLES(); // the animations step through the sample dancer's frames
        CCFileUtils::sharedFileUtils()->setResourceRoot(rendertest::samples("spritesheets"));
        CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();
        cache->addSpriteFramesWithFile("grossini.plist");
        for (int i = 0; i < 4; ++i)
            m_frames[i] = cache->spriteFrameByName(("grossini_dance_0" + std::to_string(i + 1) + ".png").c_str());
        m_sprite = CCSprite::createWithSpriteFrame(m_frames[3]);
        CCScene* scene = CCScene::create();
        scene->addChild(m_sprite);
        et::runScene(scene);
    }
    void TearDown() override
    {
        et::resetEngine();
        CCAnimationCache::purgeSharedAnimationCache();
        CCSpriteFrameCache::purgeSharedSpriteFrameCache();
        CCTextureCache::purgeSharedTextureCache();
    }
    // Frames 0, 1, 2 lasting 1, 2 and 1 units of 0.1 s.
    CCAnimation* animation(unsigned loops, bool restore)
    {
        CCArray* frames = CCArray::create();
        const float units[] = {1, 2, 1};
        for (int i = 0; i < 3; ++i) {
            auto* f = new CCAnimationFrame();
            f->initWithSpriteFrame(m_frames[i], units[i], nullptr);
            frames->addObject(f);
            f->release();
        }
        CCAnimation* a = CCAnimation::create(frames, 0.1f, loops);
        a->setRestoreOriginalFrame(restore);
        return a;
    }
    int shown()
    {
        for (int i = 0; i < 4; ++i)
            if (m_sprite->isFrameDisplayed(m_frames[i]))
                return i;
        return -1;
    }
    CCSpriteFrame* m_frames[4] = {};
    CCSprite* m_sprite = nullptr;
};

} // namespace

TEST_F(AnimationTest, FramesFollowTheirDelayUnits)
{
    CCAnimation* a = animation(1, false);
    EXPECT_FLOAT_EQ(a->getTotalDelayUnits(), 4);
    EXPECT_FLOAT_EQ(a->getDuration(), 0.4f);
    CCAnimate* animate = CCAnimate::create(a);
    EXPECT_FLOAT_EQ(animate->getDuration(), 0.4f);
    m_sprite->runAction(animate);
    et::stepFrames(1); // first tick shows frame 0
    EXPECT_EQ(shown(), 0);
    struct Step {
        int frames; // 1/60 s steps since the first tick, cumulative
        int expected;
    } steps[] = {{3, 0}, {9, 1}, {14, 1}, {21, 2}, {30, 2}};
    int done = 0;
    for (const Step& s : steps) {
        et::stepFrames(s.frames - done);
        done = s.frames;
        EXPECT_EQ(shown(), s.expected) << "after " << s.frames << " frames";
    }
    EXPECT_EQ(m_sprite->numberOfRunningActions(), 0u);
}

TEST_F(AnimationTest, LoopsRestartAndTheOriginalFrameReturnsOnlyWhenAsked)
{
    m_sprite->runAction(CCAnimate::create(animation(2, true)));
    et::stepFrames(1);
    et::stepFrames(21);
    EXPECT_EQ(shown(), 2); // 0.35 s: last frame of the first pass
    et::stepFrames(6);
    EXPECT_EQ(shown(), 0); // 0.45 s: second pass starts over
    et::stepFrames(30);
    EXPECT_EQ(shown(), 3); // finished: the frame from before the animation

    m_sprite->setDisplayFrame(m_frames[3]);
    m_sprite->runAction(CCAnimate::create(animation(1, false)));
    et::stepFrames(40);
    EXPECT_EQ(shown(), 2); // stays on the last frame
}

TEST_F(AnimationTest, CacheByNameAndFromAPlist)
{
    CCAnimationCache* cache = CCAnimationCache::sharedAnimationCache();
    cache->addAnimation(animation(1, false), "dance");
    ASSERT_NE(cache->animationByName("dance"), nullptr);
    EXPECT_EQ(cache->animationByName("other"), nullptr);
    m_sprite->setDisplayFrameWithAnimationName("dance", 1);
    EXPECT_EQ(shown(), 1);

    const auto dir = std::filesystem::temp_directory_path() / ("brindle-anim-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "anims.plist") << R"(<plist><dict><key>animations</key><dict>
        <key>walk</key><dict><key>delayPerUnit</key><real>0.2</real><key>loops</key><integer>3</integer>
        <key>frames</key><array>
          <dict><key>spriteframe</key><string>grossini_dance_02.png</string><key>delayUnits</key><integer>2</integer></dict>
          <dict><key>spriteframe</key><string>no_such_frame.png</string><key>delayUnits</key><integer>1</integer></dict>
          <dict><key>spriteframe</key><string>grossini_dance_03.png</string><key>delayUnits</key><integer>1</integer></dict>
        </array></dict></dict>
        <key>properties</key><dict><key>format</key><integer>2</integer></dict></dict></plist>)";
    rendertest::LogCapture log;
    cache->addAnimationsWithFile((dir / "anims.plist").c_str());
    CCAnimation* walk = cache->animationByName("walk");
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->getFrames()->count(), 2u);
    EXPECT_FLOAT_EQ(walk->getDuration(), 0.6f);
    EXPECT_EQ(walk->getLoops(), 3u);
    EXPECT_TRUE(log.contains("no_such_frame.png"));
    std::filesystem::remove_all(dir);
}
