#include "extensions/CCParticleExamples.h"

#include <cmath>
#include <vector>

#include "director/CCDirector.h"
#include "platform/CCImage.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d {

CCTexture2D* ccDefaultParticleTexture()
{
    static const char* kKey = "__brindle_particle_dot";
    auto* cache = CCTextureCache::sharedTextureCache();
    if (CCTexture2D* texture = cache->textureForKey(kKey))
        return texture;
    // A soft round dot, bright in the middle, premultiplied like a loaded PNG.
    constexpr int kSize = 32;
    std::vector<unsigned char> pixels(kSize * kSize * 4);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            float dx = (x + 0.5f - kSize / 2.f) / (kSize / 2.f), dy = (y + 0.5f - kSize / 2.f) / (kSize / 2.f);
            float d = std::sqrt(dx * dx + dy * dy);
            float a = d >= 1 ? 0.f : (1 - d) * (1 - d);
            auto value = static_cast<unsigned char>(a * 255.f + 0.5f);
            unsigned char* p = &pixels[static_cast<std::size_t>((y * kSize + x) * 4)];
            p[0] = p[1] = p[2] = p[3] = value;
        }
    auto* image = new CCImage();
    CCTexture2D* texture = nullptr;
    if (image->initWithRawRGBA(pixels.data(), kSize, kSize, true))
        texture = cache->addUIImage(image, kKey);
    image->release();
    return texture;
}

CCParticleFlower* CCParticleFlower::create()
{
    auto* flower = new CCParticleFlower();
    if (flower->init()) {
        flower->autorelease();
        return flower;
    }
    delete flower;
    return nullptr;
}

CCParticleFlower* CCParticleFlower::createWithTotalParticles(unsigned int numberOfParticles)
{
    auto* flower = new CCParticleFlower();
    if (flower->initWithTotalParticles(numberOfParticles)) {
        flower->autorelease();
        return flower;
    }
    delete flower;
    return nullptr;
}

bool CCParticleFlower::initWithTotalParticles(unsigned int numberOfParticles)
{
    if (!CCParticleSystemQuad::initWithTotalParticles(numberOfParticles))
        return false;
    m_duration = kCCParticleDurationInfinity;
    m_emitterMode = kCCParticleModeGravity;
    m_gravity = CCPoint(0, 0);
    m_speed = 80;
    m_speedVar = 10;
    m_radialAccel = -60;
    m_radialAccelVar = 0;
    m_tangentialAccel = 15;
    m_tangentialAccelVar = 0;
    m_angle = 90;
    m_angleVar = 360;
    CCSize win = CCDirector::sharedDirector()->getWinSize();
    setPosition(CCPoint(win.width / 2, win.height / 2));
    m_posVar = CCPoint(0, 0);
    m_life = 4;
    m_lifeVar = 1;
    m_startSize = 30;
    m_startSizeVar = 10;
    m_endSize = kCCParticleStartSizeEqualToEndSize;
    m_emissionRate = static_cast<float>(m_totalParticles) / m_life;
    m_startColor = ccColor4F{0.5f, 0.5f, 0.5f, 1.f};
    m_startColorVar = ccColor4F{0.5f, 0.5f, 0.5f, 0.5f};
    m_endColor = ccColor4F{0, 0, 0, 1};
    m_endColorVar = ccColor4F{0, 0, 0, 0};
    setTexture(ccDefaultParticleTexture());
    setBlendAdditive(true);
    return true;
}

} // namespace cocos2d
