// CocoStudio armatures: read with the armature reader; names, bones and movements.
#include <fstream>
#include <sstream>

#include "Probe.h"
#include "extensions/armature/ArmatureDataReader.h"

using namespace cocos2d::extension;

namespace {

bool isArmature(const std::string& path, const std::string& ext, const std::string&)
{
    if (ext != ".json" && ext != ".exportjson")
        return false;
    std::ifstream in(path, std::ios::binary);
    std::string text(1 << 16, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text.find("\"armature_data\"") != std::string::npos;
}

bool probeArmature(const std::string& path, std::string& json, std::string& error)
{
    ArmatureFileData data;
    if (!ArmatureDataReader::readFile(path, data)) {
        error = "the armature reader refused the file (see the log above)";
        return false;
    }
    std::ostringstream out;
    out << "{\"file\":" << probe::quote(path) << ",\"kind\":\"armature\",\"contentScale\":" << data.contentScale
        << ",\"armatures\":[";
    for (std::size_t a = 0; a < data.armatures.size(); ++a) {
        const ArmatureData& armature = data.armatures[a];
        out << (a ? "," : "") << "{\"name\":" << probe::quote(armature.name) << ",\"version\":" << armature.version
            << ",\"bones\":[";
        for (std::size_t b = 0; b < armature.bones.size(); ++b)
            out << (b ? "," : "") << "{\"name\":" << probe::quote(armature.bones[b].name)
                << ",\"parent\":" << probe::quote(armature.bones[b].parent)
                << ",\"displays\":" << armature.bones[b].displays.size() << "}";
        out << "]}";
    }
    out << "],\"animations\":[";
    for (std::size_t a = 0; a < data.animations.size(); ++a) {
        const AnimationData& animation = data.animations[a];
        out << (a ? "," : "") << "{\"name\":" << probe::quote(animation.name) << ",\"movements\":[";
        for (std::size_t m = 0; m < animation.movements.size(); ++m) {
            const MovementData& movement = animation.movements[m];
            out << (m ? "," : "") << "{\"name\":" << probe::quote(movement.name) << ",\"duration\":" << movement.duration
                << ",\"loop\":" << (movement.loop ? "true" : "false") << ",\"durationTo\":" << movement.durationTo
                << ",\"durationTween\":" << movement.durationTween << ",\"tweenEasing\":" << movement.tweenEasing
                << ",\"scale\":" << movement.scale << "}";
        }
        out << "]}";
    }
    out << "],\"sheets\":[";
    for (std::size_t i = 0; i < data.configFilePaths.size(); ++i)
        out << (i ? "," : "") << probe::quote(data.configFilePaths[i]);
    out << "]}";
    json = out.str();
    return true;
}

probe::ProbeRegistration registration({"armature", isArmature, probeArmature});

} // namespace
