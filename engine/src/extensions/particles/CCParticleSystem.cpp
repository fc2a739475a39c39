#include "extensions/CCParticleSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/CCConsole.h"
#include "base/CCPointExtension.h"
#include "director/CCScheduler.h"
#include "sprites/CCTexture2D.h"

namespace cocos2d {

namespace {
float clamp01(float v) { return std::clamp(v, 0.f, 1.f); }

// Uniform in -1..1 (the engine's CCRANDOM_MINUS1_1, without its int-to-float rounding).
float random11() { return 2.0f * static_cast<float>(static_cast<double>(std::rand()) / RAND_MAX) - 1.0f; }
} // namespace

CCParticleSystem* CCParticleSystem::create(const char* plistFile)
{
    auto* system = new CCParticleSystem();
    if (system->initWithFile(plistFile)) {
        system->autorelease();
        return system;
    }
    delete system;
    return nullptr;
}

CCParticleSystem* CCParticleSystem::createWithTotalParticles(unsigned int numberOfParticles)
{
    auto* system = new CCParticleSystem();
    if (system->initWithTotalParticles(numberOfParticles)) {
        system->autorelease();
        return system;
    }
    delete system;
    return nullptr;
}

CCParticleSystem::~CCParticleSystem() { CC_SAFE_RELEASE(m_texture); }

bool CCParticleSystem::initWithTotalParticles(unsigned int numberOfParticles)
{
    if (!CCNode::init())
        return false;
    setTotalParticles(numberOfParticles);
    m_active = true;
    m_blendFunc = ccBlendFunc{CC_BLEND_SRC, CC_BLEND_DST};
    m_positionType = kCCPositionTypeFree;
    m_emitterMode = kCCParticleModeGravity;
    m_autoRemoveOnFinish = false;
    return true;
}

void CCParticleSystem::setTotalParticles(unsigned int total)
{
    m_totalParticles = total;
    m_particles.resize(total);
    m_particleCount = std::min(m_particleCount, total);
}

void CCParticleSystem::setBlendAdditive(bool additive)
{
    if (additive)
        m_blendFunc = ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE};
    else if (m_texture && !m_texture->hasPremultipliedAlpha())
        m_blendFunc = ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA};
    else
        m_blendFunc = ccBlendFunc{CC_BLEND_SRC, CC_BLEND_DST};
}

void CCParticleSystem::setTexture(CCTexture2D* texture)
{
    if (texture == m_texture)
        return;
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(m_texture);
    m_texture = texture;
    // The premultiplied default blend only suits premultiplied textures.
    if (m_texture && !m_texture->hasPremultipliedAlpha() && m_blendFunc == ccBlendFunc{CC_BLEND_SRC, CC_BLEND_DST})
        m_blendFunc = ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA};
}

void CCParticleSystem::onEnter()
{
    CCNode::onEnter();
    scheduleUpdateWithPriority(1);
}

void CCParticleSystem::onExit()
{
    unscheduleUpdate();
    CCNode::onExit();
}

bool CCParticleSystem::addParticle()
{
    if (isFull())
        return false;
    initParticle(m_particles[m_particleCount]);
    ++m_particleCount;
    return true;
}

void CCParticleSystem::initParticle(tCCParticle& p)
{
    p = tCCParticle{};
    p.timeToLive = std::max(0.f, m_life + m_lifeVar * random11());
    p.pos.x = m_sourcePosition.x + m_posVar.x * random11();
    p.pos.y = m_sourcePosition.y + m_posVar.y * random11();

    ccColor4F start{clamp01(m_startColor.r + m_startColorVar.r * random11()),
                    clamp01(m_startColor.g + m_startColorVar.g * random11()),
                    clamp01(m_startColor.b + m_startColorVar.b * random11()),
                    clamp01(m_startColor.a + m_startColorVar.a * random11())};
    ccColor4F end{clamp01(m_endColor.r + m_endColorVar.r * random11()),
                  clamp01(m_endColor.g + m_endColorVar.g * random11()),
                  clamp01(m_endColor.b + m_endColorVar.b * random11()),
                  clamp01(m_endColor.a + m_endColorVar.a * random11())};
    p.color = start;
    // A particle born dead (life 0) must not divide by zero.
    const float life = p.timeToLive > 0 ? p.timeToLive : 1.f;
    p.deltaColor = ccColor4F{(end.r - start.r) / life, (end.g - start.g) / life, (end.b - start.b) / life,
                             (end.a - start.a) / life};

    float startSize = std::max(0.f, m_startSize + m_startSizeVar * random11());
    p.size = startSize;
    if (m_endSize == kCCParticleStartSizeEqualToEndSize)
        p.deltaSize = 0;
    else
        p.deltaSize = (std::max(0.f, m_endSize + m_endSizeVar * random11()) - startSize) / life;

    float startSpin = m_startSpin + m_startSpinVar * random11();
    float endSpin = m_endSpin + m_endSpinVar * random11();
    p.rotation = startSpin;
    p.deltaRotation = (endSpin - startSpin) / life;

    if (m_positionType == kCCPositionTypeFree)
        p.startPos = convertToWorldSpace(CCPoint());
    else if (m_positionType == kCCPositionTypeRelative)
        p.startPos = m_position;

    float a = CC_DEGREES_TO_RADIANS(m_angle + m_angleVar * random11());
    if (m_emitterMode == kCCParticleModeGravity) {
        float speed = m_speed + m_speedVar * random11();
        p.dir = CCPoint(std::cos(a) * speed, std::sin(a) * speed);
        p.radialAccel = m_radialAccel + m_radialAccelVar * random11();
        p.tangentialAccel = m_tangentialAccel + m_tangentialAccelVar * random11();
        if (m_rotationIsDir)
            p.rotation = -CC_RADIANS_TO_DEGREES(std::atan2(p.dir.y, p.dir.x));
    } else {
        float startRadius = m_startRadius + m_startRadiusVar * random11();
        float endRadius = m_endRadius + m_endRadiusVar * random11();
        p.radius = startRadius;
        p.deltaRadius = (m_endRadius == kCCParticleStartRadiusEqualToEndRadius) ? 0 : (endRadius - startRadius) / life;
        p.angle = a;
        p.degreesPerSecond = CC_DEGREES_TO_RADIANS(m_rotatePerSecond + m_rotatePerSecondVar * random11());
    }
}

void CCParticleSystem::stopSystem()
{
    m_active = false;
    m_elapsed = m_duration;
    m_emitCounter = 0;
}

void CCParticleSystem::resetSystem()
{
    m_active = true;
    m_elapsed = 0;
    m_emitCounter = 0;
    m_particleCount = 0;
}

void CCParticleSystem::update(float dt)
{
    if (m_active && m_emissionRate > 0) {
        const float interval = 1.0f / m_emissionRate;
        if (m_particleCount < m_totalParticles)
            m_emitCounter += dt;
        while (m_particleCount < m_totalParticles && m_emitCounter > interval) {
            addParticle();
            m_emitCounter -= interval;
        }
        m_elapsed += dt;
        if (m_duration != kCCParticleDurationInfinity && m_duration < m_elapsed)
            stopSystem();
    }

    unsigned int index = 0;
    while (index < m_particleCount) {
        tCCParticle& p = m_particles[index];
        p.timeToLive -= dt;
        if (p.timeToLive > 0) {
            if (m_emitterMode == kCCParticleModeGravity) {
                CCPoint radial;
                if (p.pos.x != 0 || p.pos.y != 0)
                    radial = ccpNormalize(p.pos);
                CCPoint tangential(-radial.y * p.tangentialAccel, radial.x * p.tangentialAccel);
                radial = radial * p.radialAccel;
                CCPoint accel = (radial + tangential + m_gravity) * dt;
                p.dir = p.dir + accel;
                p.pos = p.pos + p.dir * dt;
            } else {
                p.angle += p.degreesPerSecond * dt;
                p.radius += p.deltaRadius * dt;
                p.pos = CCPoint(-std::cos(p.angle) * p.radius, -std::sin(p.angle) * p.radius);
            }
            p.color.r += p.deltaColor.r * dt;
            p.color.g += p.deltaColor.g * dt;
            p.color.b += p.deltaColor.b * dt;
            p.color.a += p.deltaColor.a * dt;
            p.size = std::max(0.f, p.size + p.deltaSize * dt);
            p.rotation += p.deltaRotation * dt;
            ++index;
        } else {
            if (index != m_particleCount - 1)
                m_particles[index] = m_particles[m_particleCount - 1];
            --m_particleCount;
            if (m_particleCount == 0 && m_autoRemoveOnFinish && !m_active) {
                unscheduleUpdate();
                if (m_parent)
                    m_parent->removeChild(this, true); // may destroy this node
                return;
            }
        }
    }
}

} // namespace cocos2d
