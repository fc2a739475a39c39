#include "core/SourceError.h"
#include "sound/Score.h"
#include "sound/Synth.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brindle::assets {
namespace {

TEST(Synth, NoteNamesGiveEqualTemperament)
{
    const struct {
        const char* name;
        double hz;
    } cases[] = { { "a4", 440.0 }, { "a5", 880.0 }, { "c4", 261.626 }, { "f#4", 369.994 }, { "bb3", 233.082 }, { "e6", 1318.51 } };
    for (const auto& c : cases)
        EXPECT_NEAR(Synth::frequencyOf(c.name), c.hz, 0.01) << c.name;
    for (const char* bad : { "", "h4", "c", "c#", "c44", "x#1" })
        EXPECT_EQ(Synth::frequencyOf(bad), 0) << bad;
}

TEST(Synth, LoopTailsWrapToTheStart)
{
    // A note that starts just before the end of a loop must be heard at its start.
    Synth loop(1.0, true);
    loop.note(Voice::Bell, 440, 0.95, 0.3, 0.5);
    const std::string pcm = loop.pcm16(0.8);
    ASSERT_EQ(pcm.size(), size_t(kSampleRate) * 4);
    int16_t early = 0;
    for (size_t i = 0; i < 2000; ++i)
        early = std::max<int16_t>(early, int16_t(uint8_t(pcm[i * 4]) | uint8_t(pcm[i * 4 + 1]) << 8));
    EXPECT_GT(early, 1000);

    Synth once(1.0, false);
    once.note(Voice::Bell, 440, 0.95, 0.3, 0.5);
    const std::string plain = once.pcm16(0.8);
    int16_t start = 0;
    for (size_t i = 0; i < 2000; ++i)
        start = std::max<int16_t>(start, int16_t(uint8_t(plain[i * 4]) | uint8_t(plain[i * 4 + 1]) << 8));
    EXPECT_EQ(start, 0);
}

TEST(Score, RejectsBrokenScoresNamingTheLine)
{
    const struct {
        const char* text;
        bool music;
        const char* says;
    } cases[] = {
        { "music a.mp3 bars=1\n  chords C\n  melody c5:3\n", true, "melody lasts" },
        { "music a.mp3 bars=2\n  chords C\n  melody c5:8\n", true, "1 chords for 2 bars" },
        { "music a.mp3 bars=1\n  chords Q\n  melody c5:4\n", true, "unknown chord" },
        { "music a.mp3 bars=1\n  chords C\n  melody z5:4\n", true, "unknown note 'z5'" },
        { "music a.mp3 bars=1\n  chords C\n  tune c5:4\n", true, "unknown part 'tune'" },
        { "effect b.mp3\n  kazoo c5:0.1\n", false, "unknown voice 'kazoo'" },
        { "effect b.mp3\n  bell c5\n", false, "is not note:length" },
        { "effect b.mp3\n  bell c5:-1\n", false, "must be positive" },
        { "effect b.mp3\n", false, "without voices" },
        { "  bell c5:1\n", false, "indented line outside a block" },
    };
    for (const auto& c : cases) {
        const auto lines = Description::parse(c.text, "sound/t.txt");
        try {
            if (c.music)
                Score::music(lines);
            else
                Score::effects(lines);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const SourceError& e) {
            EXPECT_EQ(e.file(), "sound/t.txt");
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

TEST(Score, MusicLastsItsBarsAndEffectsTheirLength)
{
    const auto music = Score::music(Description::parse(
        "music m.mp3 folder=sound bpm=120 bars=2\n  chords C G\n  melody c5:2 e5:2 | g5:4\n  drums soft\n", "m"));
    ASSERT_EQ(music.size(), 1u);
    EXPECT_EQ(music[0].folder, "sound");
    EXPECT_EQ(music[0].pcm.size(), size_t(4.0 * kSampleRate) * 4); // 2 bars of 4 beats at 120 bpm
    const auto effects = Score::effects(Description::parse("effect e.mp3 folder=sound/effect/play length=0.25\n  click a5:0.04\n", "e"));
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].folder, "sound/effect/play");
    EXPECT_EQ(effects[0].pcm.size(), size_t(0.25 * kSampleRate + 0.5) * 4);
}

} // namespace
} // namespace brindle::assets
