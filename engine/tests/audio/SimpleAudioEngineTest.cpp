#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "SimpleAudioEngine.h"
#include "audio/RecordingAudioBackend.h"

using namespace CocosDenshion;

namespace {

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<RecordingAudioBackend>();
        recorder = backend.get();
        engine()->setBackend(std::move(backend));
        recorder->clear();
    }
    void TearDown() override { SimpleAudioEngine::end(); }
    static SimpleAudioEngine* engine() { return SimpleAudioEngine::sharedEngine(); }
    RecordingAudioBackend* recorder = nullptr;
};

TEST_F(AudioTest, MusicCallsReachTheBackendWithTheFile)
{
    engine()->playBackgroundMusic("/music/theme.mp3", true);
    EXPECT_TRUE(engine()->isBackgroundMusicPlaying());
    engine()->pauseBackgroundMusic();
    engine()->resumeBackgroundMusic();
    engine()->rewindBackgroundMusic();
    engine()->stopBackgroundMusic();
    EXPECT_FALSE(engine()->isBackgroundMusicPlaying());
    std::vector<std::string> ops;
    for (const auto& call : recorder->calls())
        ops.push_back(call.op);
    EXPECT_EQ(ops, (std::vector<std::string>{"playMusic", "pauseMusic", "resumeMusic", "rewindMusic", "stopMusic"}));
    EXPECT_EQ(recorder->calls()[0].file, "/music/theme.mp3");
    EXPECT_TRUE(recorder->calls()[0].loop);
}

TEST_F(AudioTest, NonLoopingMusicThatRanOutIsNotPlaying)
{
    engine()->playBackgroundMusic("/music/jingle.mp3", false);
    recorder->finishMusic();
    EXPECT_FALSE(engine()->isBackgroundMusicPlaying());
}

TEST_F(AudioTest, VolumesApplyAndAreClamped)
{
    engine()->setBackgroundMusicVolume(0.f); // the game mutes music this way
    EXPECT_FLOAT_EQ(recorder->musicVolume(), 0.f);
    EXPECT_FLOAT_EQ(engine()->getBackgroundMusicVolume(), 0.f);
    engine()->setEffectsVolume(1.7f);
    EXPECT_FLOAT_EQ(engine()->getEffectsVolume(), 1.f);
    EXPECT_FLOAT_EQ(recorder->effectsVolume(), 1.f);
    engine()->setEffectsVolume(-3.f);
    EXPECT_FLOAT_EQ(recorder->effectsVolume(), 0.f);

    // A new back end starts with the volumes already chosen.
    auto next = std::make_unique<RecordingAudioBackend>();
    RecordingAudioBackend* second = next.get();
    engine()->setBackend(std::move(next));
    EXPECT_FLOAT_EQ(second->musicVolume(), 0.f);
    EXPECT_FLOAT_EQ(second->effectsVolume(), 0.f);
}

TEST_F(AudioTest, EffectIdsAreStablePerFileAndCaseInsensitive)
{
    unsigned int first = engine()->playEffect("/sound/buttonT.mp3");
    unsigned int again = engine()->playEffect("/sound/buttonT.mp3", true);
    unsigned int upper = engine()->playEffect("/SOUND/BUTTONT.MP3");
    unsigned int other = engine()->playEffect("/sound/right.mp3");
    EXPECT_EQ(first, again);
    EXPECT_EQ(first, upper);
    EXPECT_NE(first, other);
    auto plays = recorder->callsNamed("playEffect");
    ASSERT_EQ(plays.size(), 4u);
    EXPECT_FALSE(plays[0].loop);
    EXPECT_TRUE(plays[1].loop);
    EXPECT_EQ(plays[3].file, "/sound/right.mp3");

    engine()->pauseEffect(first);
    engine()->resumeEffect(first);
    engine()->stopEffect(first);
    engine()->stopAllEffects();
    EXPECT_EQ(recorder->callsNamed("pauseEffect").size(), 1u);
    EXPECT_EQ(recorder->callsNamed("resumeEffect").size(), 1u);
    EXPECT_EQ(recorder->callsNamed("stopEffect").size(), 1u + 2u); // one, then each of the two files
    engine()->unloadEffect("/sound/right.mp3");
    ASSERT_EQ(recorder->callsNamed("unloadEffect").size(), 1u);
    EXPECT_EQ(recorder->callsNamed("unloadEffect")[0].id, other);
}

TEST_F(AudioTest, EmptyNamesPlayNothing)
{
    engine()->playBackgroundMusic("", false);
    engine()->playEffect(nullptr);
    EXPECT_TRUE(recorder->callsNamed("playMusic").empty());
    EXPECT_TRUE(recorder->callsNamed("playEffect").empty());
}

TEST(AudioBackendChoice, DummyDriverGivesTheSilentBackend)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SimpleAudioEngine::end();
    EXPECT_STREQ(SimpleAudioEngine::sharedEngine()->backend()->name(), "silent");
    SimpleAudioEngine::sharedEngine()->playEffect("/nonexistent/click.mp3"); // must not fail loudly
    SimpleAudioEngine::end();
}

} // namespace
