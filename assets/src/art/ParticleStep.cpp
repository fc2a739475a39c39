// The golden-egg burst: a one-shot Particle Designer plist whose texture is the soft
// spark picture dabaozha.png beside it.

#include "core/GenContext.h"
#include "core/Plist.h"
#include "core/StepRegistry.h"

namespace brindle::assets {

namespace {

void generateParticles(GenContext& ctx)
{
    Plist::Dict p;
    auto colour = [&](const char* prefix, double r, double g, double b, double a) {
        p[std::string(prefix) + "Red"] = r;
        p[std::string(prefix) + "Green"] = g;
        p[std::string(prefix) + "Blue"] = b;
        p[std::string(prefix) + "Alpha"] = a;
    };
    p["configName"] = std::string("dabaozha");
    p["emitterType"] = 0;
    p["maxParticles"] = 140;
    p["duration"] = 0.25;                 // all sparks leave in the first quarter second
    p["particleLifespan"] = 0.45;
    p["particleLifespanVariance"] = 0.1;  // gone before the 0.8 s crack animation ends
    p["angle"] = 90.0;
    p["angleVariance"] = 180.0;
    p["speed"] = 320.0;
    p["speedVariance"] = 90.0;
    p["gravityx"] = 0.0;
    p["gravityy"] = -420.0;
    p["radialAcceleration"] = -60.0;
    p["radialAccelVariance"] = 0.0;
    p["tangentialAcceleration"] = 0.0;
    p["tangentialAccelVariance"] = 30.0;
    p["sourcePositionx"] = 0.0;
    p["sourcePositiony"] = 0.0;
    p["sourcePositionVariancex"] = 20.0;
    p["sourcePositionVariancey"] = 10.0;
    p["startParticleSize"] = 34.0;
    p["startParticleSizeVariance"] = 12.0;
    p["finishParticleSize"] = 8.0;
    p["finishParticleSizeVariance"] = 4.0;
    p["rotationStart"] = 0.0;
    p["rotationStartVariance"] = 180.0;
    p["rotationEnd"] = 360.0;
    p["rotationEndVariance"] = 180.0;
    colour("startColor", 1.0, 0.88, 0.35, 1.0);
    colour("startColorVariance", 0.0, 0.12, 0.2, 0.0);
    colour("finishColor", 1.0, 0.45, 0.1, 0.0);
    colour("finishColorVariance", 0.0, 0.0, 0.0, 0.0);
    p["blendFuncSource"] = 770;      // GL_SRC_ALPHA
    p["blendFuncDestination"] = 1;   // GL_ONE: additive glow
    p["textureFileName"] = std::string("dabaozha.png");
    ctx.write(std::string(kImagesDir) + "/dabaozha.plist", Plist(p).toXml());
    ctx.index("particles", "dabaozha.plist", Json::Value(std::string(kImagesDir) + "/dabaozha.plist"));
}

} // namespace

BRINDLE_ASSET_STEP(generateParticles, "particles", kOrderPictures)

} // namespace brindle::assets
