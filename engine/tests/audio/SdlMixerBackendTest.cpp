// The SDL_mixer back end on SDL's dummy driver: real decoding and mixing, no sound card.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "../../src/audio/SdlMixerAudioBackend.h"

using namespace CocosDenshion;

namespace {

// A short 16-bit mono WAV of silence.
std::string writeWav()
{
    std::string path = "/tmp/brindle-audio-" + std::to_string(::getpid()) + ".wav";
    const uint32_t samples = 4410, rate = 44100, bytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(bytes);
    std::string zeros(bytes, '\0');
    out.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
    return path;
}

TEST(SdlMixerBackend, PlaysFilesOnTheDummyDriver)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::unique_ptr<SdlMixerAudioBackend> backend(SdlMixerAudioBackend::open());
    if (!backend)
        GTEST_SKIP() << "SDL audio could not start here";
    const std::string wav = writeWav();
    EXPECT_TRUE(backend->playMusic(wav, true));
    EXPECT_TRUE(backend->isMusicActive());
    backend->setMusicVolume(0.f);
    backend->pauseMusic();
    backend->resumeMusic();
    backend->stopMusic();
    EXPECT_FALSE(backend->isMusicActive());

    EXPECT_TRUE(backend->playEffect(7, wav, false));
    EXPECT_TRUE(backend->playEffect(7, wav, false)); // a replay restarts the same player
    backend->setEffectsVolume(0.5f);
    backend->stopEffect(7);
    backend->unloadEffect(7);
    EXPECT_FALSE(backend->playEffect(8, "/nonexistent/sound.mp3", false));
    EXPECT_FALSE(backend->playMusic("/nonexistent/music.mp3", false));
    backend->shutdown();
    std::remove(wav.c_str());
}

} // namespace
