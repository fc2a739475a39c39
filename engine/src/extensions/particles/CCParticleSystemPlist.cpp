// Reading a Particle Designer plist into a CCParticleSystem.
#include <cmath>
#include <limits>

#include "ParticleTextureData.h"
#include "base/CCConsole.h"
#include "extensions/CCParticleExamples.h"
#include "extensions/CCParticleSystem.h"
#include "platform/CCImage.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

namespace {

// Hostile files must not ask for absurd pools.
constexpr unsigned int kMaxParticlesLimit = 100000;

class Reader {
public:
    Reader(const PlistValue& dict, const std::string& what) : m_dict(dict), m_what(what) {}

    float number(const char* key, float fallback = 0) const
    {
        const PlistValue* value = m_dict.find(key);
        if (!value)
            return fallback;
        if (value->isDict() || value->isArray()) {
            CCLog("%s: member \"%s\" is not a number, using %g", m_what.c_str(), key, fallback);
            return fallback;
        }
        double d = value->asDouble();
        if (!std::isfinite(d) || std::fabs(d) > 1e9)
            return fallback;
        return static_cast<float>(d);
    }
    std::string text(const char* key) const
    {
        const PlistValue* value = m_dict.find(key);
        return (value && !value->isDict() && !value->isArray()) ? value->asString() : std::string();
    }
    ccColor4F color(const char* prefix) const
    {
        std::string p(prefix);
        return ccColor4F{number((p + "Red").c_str()), number((p + "Green").c_str()), number((p + "Blue").c_str()),
                         number((p + "Alpha").c_str())};
    }

private:
    const PlistValue& m_dict;
    const std::string& m_what;
};

CCTexture2D* textureFromInlineData(const std::string& base64, const std::string& key, const std::string& what)
{
    std::vector<unsigned char> packed, image;
    if (!particles::decodeBase64(base64, packed)) {
        CCLog("%s: member \"textureImageData\" is not base64", what.c_str());
        return nullptr;
    }
    if (!particles::inflateData(packed, image)) {
        // Some tools store the picture without compression.
        image = packed;
    }
    auto* picture = new CCImage();
    CCTexture2D* texture = nullptr;
    if (picture->initWithImageData(image.data(), static_cast<int>(image.size())))
        texture = CCTextureCache::sharedTextureCache()->addUIImage(picture, key.c_str());
    else
        CCLog("%s: member \"textureImageData\" holds no picture we can read", what.c_str());
    picture->release();
    return texture;
}

} // namespace

bool CCParticleSystem::initWithFile(const char* plistFile)
{
    if (!plistFile || !*plistFile) {
        CCLog("CCParticleSystem: no plist file given");
        return false;
    }
    auto* files = CCFileUtils::sharedFileUtils();
    std::string full = files->fullPathForFilename(plistFile);
    PlistValue root;
    if (!files->loadPlist(full, root)) {
        CCLog("%s: cannot read the particle plist", plistFile);
        return false;
    }
    if (!root.isDict()) {
        CCLog("%s: the particle plist is not a dictionary", plistFile);
        return false;
    }
    m_plistFile = full;
    std::size_t slash = full.find_last_of('/');
    std::string dir = slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
    return initWithDictionary(root, dir.c_str(), full);
}

bool CCParticleSystem::initWithDictionary(const PlistValue& dictionary, const char* dirname, const std::string& whatIn)
{
    const std::string what = whatIn.empty() ? std::string("particle dictionary") : whatIn;
    Reader r(dictionary, what);
    float maxParticles = r.number("maxParticles", -1);
    if (!(maxParticles >= 1) || maxParticles > static_cast<float>(kMaxParticlesLimit)) {
        CCLog("%s: member \"maxParticles\" is missing or out of range", what.c_str());
        return false;
    }
    if (!initWithTotalParticles(static_cast<unsigned int>(maxParticles)))
        return false;

    m_angle = r.number("angle");
    m_angleVar = r.number("angleVariance");
    m_duration = r.number("duration", kCCParticleDurationInfinity);
    m_blendFunc.src = static_cast<GLenum>(r.number("blendFuncSource", CC_BLEND_SRC));
    m_blendFunc.dst = static_cast<GLenum>(r.number("blendFuncDestination", CC_BLEND_DST));
    m_startColor = r.color("startColor");
    m_startColorVar = r.color("startColorVariance");
    m_endColor = r.color("finishColor");
    m_endColorVar = r.color("finishColorVariance");
    m_startSize = r.number("startParticleSize");
    m_startSizeVar = r.number("startParticleSizeVariance");
    m_endSize = r.number("finishParticleSize");
    m_endSizeVar = r.number("finishParticleSizeVariance");
    setPosition(CCPoint(r.number("sourcePositionx"), r.number("sourcePositiony")));
    m_posVar = CCPoint(r.number("sourcePositionVariancex"), r.number("sourcePositionVariancey"));
    m_startSpin = r.number("rotationStart");
    m_startSpinVar = r.number("rotationStartVariance");
    m_endSpin = r.number("rotationEnd");
    m_endSpinVar = r.number("rotationEndVariance");
    m_emitterMode = static_cast<int>(r.number("emitterType")) == 1 ? kCCParticleModeRadius : kCCParticleModeGravity;
    m_gravity = CCPoint(r.number("gravityx"), r.number("gravityy"));
    m_speed = r.number("speed");
    m_speedVar = r.number("speedVariance");
    m_radialAccel = r.number("radialAcceleration");
    m_radialAccelVar = r.number("radialAccelVariance");
    m_tangentialAccel = r.number("tangentialAcceleration");
    m_tangentialAccelVar = r.number("tangentialAccelVariance");
    m_rotationIsDir = r.number("rotationIsDir") != 0;
    m_startRadius = r.number("maxRadius");
    m_startRadiusVar = r.number("maxRadiusVariance");
    m_endRadius = r.number("minRadius");
    m_endRadiusVar = 0;
    m_rotatePerSecond = r.number("rotatePerSecond");
    m_rotatePerSecondVar = r.number("rotatePerSecondVariance");
    m_life = r.number("particleLifespan");
    m_lifeVar = r.number("particleLifespanVariance");
    // A zero lifespan would make the rate infinite: emit the whole pool in one go instead.
    m_emissionRate = m_life > 0 ? static_cast<float>(m_totalParticles) / m_life
                                : static_cast<float>(m_totalParticles) * 60.f;

    std::string textureName = r.text("textureFileName");
    CCTexture2D* texture = nullptr;
    if (!textureName.empty()) {
        std::string path = textureName[0] == '/' ? textureName : std::string(dirname ? dirname : "") + textureName;
        auto* files = CCFileUtils::sharedFileUtils();
        std::string resolved = files->fullPathForFilename(path.c_str());
        if (files->isFileExist(resolved))
            texture = CCTextureCache::sharedTextureCache()->addImage(resolved.c_str());
        if (!texture)
            texture = CCTextureCache::sharedTextureCache()->textureForKey(textureName.c_str());
    }
    if (!texture) {
        std::string data = r.text("textureImageData");
        if (!data.empty())
            texture = textureFromInlineData(data, textureName.empty() ? what + "#texture" : textureName, what);
    }
    if (!texture) {
        CCLog("%s: texture \"%s\" not found and no usable textureImageData; using the default dot",
              what.c_str(), textureName.c_str());
        texture = ccDefaultParticleTexture();
    }
    m_textureName = textureName;
    setTexture(texture);
    return true;
}

} // namespace cocos2d
