// Particle emitter of 2.2, configured in code or from a Particle Designer plist.
//
// Gravity mode moves particles by speed, gravity and radial/tangential acceleration; radius mode turns
// them around the emitter. Emission rate is maxParticles / particleLifespan. Update runs at scheduler
// priority 1 while the node is running. Free particles stay where they were emitted in the world;
// relative ones in the parent's space; grouped ones move with the emitter.
#pragma once

#include <string>
#include <vector>

#include "base/ccTypes.h"
#include "nodes/CCNode.h"
#include "support/PlistValue.h"

namespace cocos2d {

class CCTexture2D;

constexpr int kCCParticleDurationInfinity = -1;
constexpr int kCCParticleStartSizeEqualToEndSize = -1;
constexpr int kCCParticleStartRadiusEqualToEndRadius = -1;
enum { kCCParticleModeGravity, kCCParticleModeRadius };
typedef enum { kCCPositionTypeFree, kCCPositionTypeRelative, kCCPositionTypeGrouped } tCCPositionType;

struct tCCParticle {
    CCPoint pos, startPos;
    ccColor4F color, deltaColor;
    float size = 0, deltaSize = 0;
    float rotation = 0, deltaRotation = 0;
    float timeToLive = 0;
    // gravity mode
    CCPoint dir;
    float radialAccel = 0, tangentialAccel = 0;
    // radius mode
    float angle = 0, degreesPerSecond = 0, radius = 0, deltaRadius = 0;
};

class CCParticleSystem : public CCNode {
public:
    static CCParticleSystem* create(const char* plistFile);
    static CCParticleSystem* createWithTotalParticles(unsigned int numberOfParticles);
    ~CCParticleSystem() override;

    virtual bool initWithFile(const char* plistFile);
    // dirname: folder the texture name is relative to (with a trailing '/'), may be empty.
    virtual bool initWithDictionary(const PlistValue& dictionary, const char* dirname, const std::string& what = {});
    virtual bool initWithTotalParticles(unsigned int numberOfParticles);

    bool addParticle();
    void stopSystem();
    void resetSystem();
    bool isFull() const { return m_particleCount == m_totalParticles; }
    bool isActive() const { return m_active; }
    unsigned int getParticleCount() const { return m_particleCount; }
    const std::vector<tCCParticle>& particles() const { return m_particles; }

    void update(float dt) override;
    void onEnter() override;
    void onExit() override;

    // --- configuration (2.2 accessors)
    int getEmitterMode() const { return m_emitterMode; }
    void setEmitterMode(int mode) { m_emitterMode = mode; }
    float getDuration() const { return m_duration; }
    void setDuration(float duration) { m_duration = duration; }
    unsigned int getTotalParticles() const { return m_totalParticles; }
    virtual void setTotalParticles(unsigned int total);
    float getLife() const { return m_life; }
    void setLife(float life) { m_life = life; }
    void setLifeVar(float lifeVar) { m_lifeVar = lifeVar; }
    float getEmissionRate() const { return m_emissionRate; }
    void setEmissionRate(float rate) { m_emissionRate = rate; }
    void setAngle(float angle) { m_angle = angle; }
    void setAngleVar(float angleVar) { m_angleVar = angleVar; }
    void setStartSize(float size) { m_startSize = size; }
    float getStartSize() const { return m_startSize; }
    void setStartSizeVar(float var) { m_startSizeVar = var; }
    void setEndSize(float size) { m_endSize = size; }
    void setEndSizeVar(float var) { m_endSizeVar = var; }
    void setStartColor(const ccColor4F& c) { m_startColor = c; }
    const ccColor4F& getStartColor() const { return m_startColor; }
    void setStartColorVar(const ccColor4F& c) { m_startColorVar = c; }
    void setEndColor(const ccColor4F& c) { m_endColor = c; }
    void setEndColorVar(const ccColor4F& c) { m_endColorVar = c; }
    void setStartSpin(float spin) { m_startSpin = spin; }
    void setStartSpinVar(float var) { m_startSpinVar = var; }
    void setEndSpin(float spin) { m_endSpin = spin; }
    void setEndSpinVar(float var) { m_endSpinVar = var; }
    void setPosVar(const CCPoint& var) { m_posVar = var; }
    const CCPoint& getPosVar() const { return m_posVar; }
    void setSourcePosition(const CCPoint& p) { m_sourcePosition = p; }
    void setGravity(const CCPoint& g) { m_gravity = g; }
    const CCPoint& getGravity() const { return m_gravity; }
    void setSpeed(float speed) { m_speed = speed; }
    float getSpeed() const { return m_speed; }
    void setSpeedVar(float var) { m_speedVar = var; }
    void setRadialAccel(float a) { m_radialAccel = a; }
    void setRadialAccelVar(float v) { m_radialAccelVar = v; }
    void setTangentialAccel(float a) { m_tangentialAccel = a; }
    void setTangentialAccelVar(float v) { m_tangentialAccelVar = v; }
    void setRotationIsDir(bool b) { m_rotationIsDir = b; }
    void setStartRadius(float r) { m_startRadius = r; }
    float getStartRadius() const { return m_startRadius; }
    void setStartRadiusVar(float v) { m_startRadiusVar = v; }
    void setEndRadius(float r) { m_endRadius = r; }
    void setEndRadiusVar(float v) { m_endRadiusVar = v; }
    void setRotatePerSecond(float d) { m_rotatePerSecond = d; }
    void setRotatePerSecondVar(float v) { m_rotatePerSecondVar = v; }
    tCCPositionType getPositionType() const { return m_positionType; }
    void setPositionType(tCCPositionType type) { m_positionType = type; }
    bool isAutoRemoveOnFinish() const { return m_autoRemoveOnFinish; }
    void setAutoRemoveOnFinish(bool value) { m_autoRemoveOnFinish = value; }
    ccBlendFunc getBlendFunc() const { return m_blendFunc; }
    void setBlendFunc(ccBlendFunc blend) { m_blendFunc = blend; }
    void setBlendAdditive(bool additive);
    virtual void setTexture(CCTexture2D* texture);
    CCTexture2D* getTexture() const { return m_texture; }
    // Name the texture came from ("" when none), for tools.
    const std::string& getTextureName() const { return m_textureName; }
    const std::string& getPlistFile() const { return m_plistFile; }

protected:
    CCParticleSystem() = default;
    void initParticle(tCCParticle& particle);

    std::string m_plistFile;
    std::string m_textureName;
    std::vector<tCCParticle> m_particles;
    unsigned int m_particleCount = 0;
    unsigned int m_totalParticles = 0;
    float m_elapsed = 0;
    float m_emitCounter = 0;
    bool m_active = true;
    bool m_autoRemoveOnFinish = false;
    int m_emitterMode = kCCParticleModeGravity;
    float m_duration = kCCParticleDurationInfinity;
    CCPoint m_sourcePosition, m_posVar;
    float m_life = 0, m_lifeVar = 0;
    float m_angle = 0, m_angleVar = 0;
    float m_startSize = 0, m_startSizeVar = 0, m_endSize = 0, m_endSizeVar = 0;
    ccColor4F m_startColor, m_startColorVar, m_endColor, m_endColorVar;
    float m_startSpin = 0, m_startSpinVar = 0, m_endSpin = 0, m_endSpinVar = 0;
    float m_emissionRate = 0;
    CCPoint m_gravity;
    float m_speed = 0, m_speedVar = 0;
    float m_tangentialAccel = 0, m_tangentialAccelVar = 0, m_radialAccel = 0, m_radialAccelVar = 0;
    bool m_rotationIsDir = false;
    float m_startRadius = 0, m_startRadiusVar = 0, m_endRadius = 0, m_endRadiusVar = 0;
    float m_rotatePerSecond = 0, m_rotatePerSecondVar = 0;
    tCCPositionType m_positionType = kCCPositionTypeFree;
    ccBlendFunc m_blendFunc;
    CCTexture2D* m_texture = nullptr;
};

} // namespace cocos2d
