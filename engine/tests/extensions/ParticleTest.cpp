#include <cstdlib>
#include <cstring>

#include "ExtTestSupport.h"
#include "extensions/CCParticleExamples.h"
#include "extensions/CCParticleSystemQuad.h"
#include "sprites/CCTexture2D.h"

using namespace cocos2d;

namespace {

class ParticleTest : public exttest::ExtensionTest {};

// Steps a system by hand: the same frames every run.
void run(CCParticleSystem* system, int frames)
{
    for (int i = 0; i < frames; ++i)
        system->update(1.0f / 60.0f);
}

TEST_F(ParticleTest, SamplePlistsLoadWithTheirModesAndTextures)
{
    SKIP_WITHOUT_SAMPLES();
    struct Expect {
        const char* file;
        int mode;
        unsigned int max;
        float duration;
        unsigned int textureWidth;
    };
    const std::vector<Expect> cases = {
        {"particles/Phoenix.plist", kCCParticleModeRadius, 0, -1, 64},
        {"particles/TestPremultipliedAlpha.plist", kCCParticleModeGravity, 0, 0, 22},
        {"particles/explode.plist", kCCParticleModeGravity, 44, 0.1f, 32},
        {"cocostudio-armature/HeroAnimation/blood.plist", kCCParticleModeGravity, 0, 0.1f, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CCParticleSystemQuad* system = CCParticleSystemQuad::create(exttest::samples(c.file).c_str());
        ASSERT_NE(system, nullptr);
        EXPECT_EQ(system->getEmitterMode(), c.mode);
        if (c.max) {
            EXPECT_EQ(system->getTotalParticles(), c.max);
        }
        if (c.duration != 0) {
            EXPECT_FLOAT_EQ(system->getDuration(), c.duration);
        }
        ASSERT_NE(system->getTexture(), nullptr);
        EXPECT_EQ(system->getTexture()->getPixelsWide() >= c.textureWidth, true);
        EXPECT_FALSE(logged({"default dot"})) << "texture fell back to the default";
    }
}

TEST_F(ParticleTest, BurstEmitsItsPoolThenDiesOut)
{
    SKIP_WITHOUT_SAMPLES();
    std::srand(7);
    CCParticleSystemQuad* burst = CCParticleSystemQuad::create(exttest::samples("particles/explode.plist").c_str());
    ASSERT_NE(burst, nullptr);
    // Lifespan 0 +- 0.2575 s: the whole pool of 44 comes out in the first frame, the short-lived die at once
    // and are replaced while the 0.1 s emission lasts.
    run(burst, 1);
    EXPECT_GT(burst->getParticleCount(), 5u);
    EXPECT_LE(burst->getParticleCount(), 44u);
    EXPECT_TRUE(burst->isActive());
    run(burst, 6); // past the 0.1 s duration
    EXPECT_FALSE(burst->isActive());
    run(burst, 20); // past the longest life of the last ones emitted (0.1 + 0.2575 s)
    EXPECT_EQ(burst->getParticleCount(), 0u);
    run(burst, 60);
    EXPECT_EQ(burst->getParticleCount(), 0u); // stopped: nothing new
}

TEST_F(ParticleTest, FlowerFillsAtItsRate)
{
    CCParticleFlower* flower = CCParticleFlower::create();
    ASSERT_NE(flower, nullptr);
    EXPECT_EQ(flower->getTotalParticles(), 250u);
    EXPECT_FLOAT_EQ(flower->getEmissionRate(), 62.5f);
    run(flower, 60); // one second: about 62 particles, none dead yet (life 4 +- 1)
    EXPECT_NEAR(static_cast<int>(flower->getParticleCount()), 62, 1);
    std::vector<ccV3F_C4B_T2F_Quad> quads;
    flower->buildQuads(quads);
    EXPECT_EQ(quads.size(), flower->getParticleCount());
    EXPECT_EQ(flower->getBlendFunc().dst, kGL_ONE); // additive
}

TEST_F(ParticleTest, BrokenPlistsAreRefused)
{
    EXPECT_EQ(CCParticleSystemQuad::create("/nonexistent/fire.plist"), nullptr);
    EXPECT_TRUE(logged({"fire.plist"}));

    PlistValue dict;
    std::string error;
    const char* text = R"(<?xml version="1.0"?><plist version="1.0"><dict>
        <key>maxParticles</key><string>lots</string></dict></plist>)";
    ASSERT_TRUE(parsePlist(text, std::strlen(text), dict, error));
    auto* system = new CCParticleSystemQuad();
    log.clear();
    EXPECT_FALSE(system->initWithDictionary(dict, "", "odd.plist"));
    EXPECT_TRUE(logged({"odd.plist", "maxParticles"}));
    delete system;

    const char* noTexture = R"(<?xml version="1.0"?><plist version="1.0"><dict>
        <key>maxParticles</key><integer>10</integer><key>particleLifespan</key><real>1</real>
        <key>textureFileName</key><string>gone.png</string><key>textureImageData</key><string>!!notbase64!!</string>
        </dict></plist>)";
    ASSERT_TRUE(parsePlist(noTexture, std::strlen(noTexture), dict, error));
    system = new CCParticleSystemQuad();
    log.clear();
    EXPECT_TRUE(system->initWithDictionary(dict, "", "dots.plist"));
    EXPECT_TRUE(logged({"dots.plist", "textureImageData"}));
    EXPECT_NE(system->getTexture(), nullptr); // the default dot stands in
    delete system;
}

} // namespace
