// Built-in particle presets of 2.2 (the ones the game uses).
#pragma once

#include "extensions/CCParticleSystemQuad.h"

namespace cocos2d {

class CCParticleFlower : public CCParticleSystemQuad {
public:
    static CCParticleFlower* create();
    static CCParticleFlower* createWithTotalParticles(unsigned int numberOfParticles);
    bool init() override { return initWithTotalParticles(250); }
    bool initWithTotalParticles(unsigned int numberOfParticles) override;
};

// The soft white dot the presets use when no texture is given.
CCTexture2D* ccDefaultParticleTexture();

} // namespace cocos2d
