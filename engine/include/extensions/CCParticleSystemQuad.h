// Particle system drawn as one textured quad per particle, batched into one draw call.
#pragma once

#include "extensions/CCParticleSystem.h"

namespace cocos2d {

class CCParticleSystemQuad : public CCParticleSystem {
public:
    // Null (logged with the file and reason) when the plist cannot be read.
    static CCParticleSystemQuad* create(const char* plistFile);
    static CCParticleSystemQuad* create();
    static CCParticleSystemQuad* createWithTotalParticles(unsigned int numberOfParticles);
    void draw() override;
    // The quads draw() would send, in the node's space.
    void buildQuads(std::vector<ccV3F_C4B_T2F_Quad>& out);

protected:
    std::vector<ccV3F_C4B_T2F_Quad> m_quads;
};

} // namespace cocos2d
