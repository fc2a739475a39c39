#include "extensions/CCParticleSystemQuad.h"

#include <algorithm>
#include <cmath>

#include "render/Renderer.h"
#include "sprites/CCTexture2D.h"

namespace cocos2d {

CCParticleSystemQuad* CCParticleSystemQuad::create(const char* plistFile)
{
    auto* system = new CCParticleSystemQuad();
    if (system->initWithFile(plistFile)) {
        system->autorelease();
        return system;
    }
    delete system;
    return nullptr;
}

CCParticleSystemQuad* CCParticleSystemQuad::create()
{
    auto* system = new CCParticleSystemQuad();
    if (system->initWithTotalParticles(0)) {
        system->autorelease();
        return system;
    }
    delete system;
    return nullptr;
}

CCParticleSystemQuad* CCParticleSystemQuad::createWithTotalParticles(unsigned int numberOfParticles)
{
    auto* system = new CCParticleSystemQuad();
    if (system->initWithTotalParticles(numberOfParticles)) {
        system->autorelease();
        return system;
    }
    delete system;
    return nullptr;
}

void CCParticleSystemQuad::buildQuads(std::vector<ccV3F_C4B_T2F_Quad>& out)
{
    out.clear();
    out.reserve(m_particleCount);
    const bool premultiply = m_texture && m_texture->hasPremultipliedAlpha() &&
                             m_blendFunc == ccBlendFunc{kGL_ONE, kGL_ONE_MINUS_SRC_ALPHA};
    const float maxS = m_texture ? m_texture->getMaxS() : 1.f;
    const float maxT = m_texture ? m_texture->getMaxT() : 1.f;

    CCPoint current;
    if (m_positionType == kCCPositionTypeFree)
        current = convertToWorldSpace(CCPoint());
    else if (m_positionType == kCCPositionTypeRelative)
        current = m_position;

    for (unsigned int i = 0; i < m_particleCount; ++i) {
        const tCCParticle& p = m_particles[i];
        CCPoint pos = p.pos;
        // Free and relative particles keep their place while the emitter moves on.
        if (m_positionType != kCCPositionTypeGrouped)
            pos = pos - (current - p.startPos);

        auto channel = [&](float v) {
            float scaled = std::clamp(v, 0.f, 1.f) * (premultiply ? std::clamp(p.color.a, 0.f, 1.f) : 1.f);
            return static_cast<GLubyte>(scaled * 255.f + 0.5f);
        };
        ccColor4B color{channel(p.color.r), channel(p.color.g), channel(p.color.b),
                        static_cast<GLubyte>(std::clamp(p.color.a, 0.f, 1.f) * 255.f + 0.5f)};

        const float h = p.size / 2;
        float corners[4][2] = {{-h, h}, {-h, -h}, {h, h}, {h, -h}}; // tl, bl, tr, br
        if (p.rotation != 0) {
            float r = -CC_DEGREES_TO_RADIANS(p.rotation);
            float cr = std::cos(r), sr = std::sin(r);
            for (auto& c : corners) {
                float x = c[0], y = c[1];
                c[0] = x * cr - y * sr;
                c[1] = x * sr + y * cr;
            }
        }
        ccV3F_C4B_T2F_Quad quad;
        ccV3F_C4B_T2F* v[4] = {&quad.tl, &quad.bl, &quad.tr, &quad.br};
        const float tex[4][2] = {{0, 0}, {0, maxT}, {maxS, 0}, {maxS, maxT}};
        for (int k = 0; k < 4; ++k) {
            v[k]->vertices = ccVertex3F{pos.x + corners[k][0], pos.y + corners[k][1], 0};
            v[k]->colors = color;
            v[k]->texCoords = ccTex2F{tex[k][0], tex[k][1]};
        }
        out.push_back(quad);
    }
}

void CCParticleSystemQuad::draw()
{
    if (m_particleCount == 0)
        return;
    buildQuads(m_quads);
    Renderer* renderer = Renderer::current();
    const Mat4& world = renderer->top();
    for (auto& quad : m_quads)
        for (ccV3F_C4B_T2F* v : {&quad.tl, &quad.bl, &quad.tr, &quad.br})
            world.transformPoint(v->vertices.x, v->vertices.y, v->vertices.z, v->vertices.x, v->vertices.y,
                                 v->vertices.z);
    renderer->drawQuads(m_texture, m_blendFunc, m_quads.data(), m_quads.size());
}

} // namespace cocos2d
