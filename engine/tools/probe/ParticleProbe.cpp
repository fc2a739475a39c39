// Particle Designer plists: loaded as CCParticleSystemQuad (texture included).
#include <sstream>

#include "Probe.h"
#include "extensions/CCParticleSystemQuad.h"
#include "sprites/CCTexture2D.h"
#include "support/CCFileUtils.h"

using namespace cocos2d;

namespace {

bool isParticles(const std::string& path, const std::string& ext, const std::string&)
{
    if (ext != ".plist")
        return false;
    PlistValue root;
    return CCFileUtils::sharedFileUtils()->loadPlist(path, root) && root.find("maxParticles") && !root.find("frames");
}

bool probeParticles(const std::string& path, std::string& json, std::string& error)
{
    CCParticleSystemQuad* system = CCParticleSystemQuad::create(path.c_str());
    if (!system) {
        error = "the particle reader refused the file (see the log above)";
        return false;
    }
    CCTexture2D* texture = system->getTexture();
    std::ostringstream out;
    out << "{\"file\":" << probe::quote(path) << ",\"kind\":\"particles\",\"mode\":"
        << probe::quote(system->getEmitterMode() == kCCParticleModeRadius ? "radius" : "gravity")
        << ",\"maxParticles\":" << system->getTotalParticles() << ",\"duration\":" << system->getDuration()
        << ",\"life\":" << system->getLife() << ",\"emissionRate\":" << system->getEmissionRate()
        << ",\"blend\":[" << system->getBlendFunc().src << "," << system->getBlendFunc().dst << "]"
        << ",\"textureName\":" << probe::quote(system->getTextureName()) << ",\"texture\":{\"width\":"
        << (texture ? texture->getContentSize().width : 0) << ",\"height\":"
        << (texture ? texture->getContentSize().height : 0) << "}}";
    json = out.str();
    return true;
}

probe::ProbeRegistration registration({"particles", isParticles, probeParticles});

} // namespace
