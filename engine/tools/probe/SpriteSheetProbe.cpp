// Sprite-sheet plists: loaded through CCSpriteFrameCache (texture included), frames listed.
#include <sstream>

#include "Probe.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCSpriteFrameCache.h"
#include "support/CCFileUtils.h"

using namespace cocos2d;

namespace {

bool isSheet(const std::string& path, const std::string& ext, const std::string&)
{
    if (ext != ".plist")
        return false;
    PlistValue root;
    if (!CCFileUtils::sharedFileUtils()->loadPlist(path, root))
        return true; // let run() report the reader's refusal
    const PlistValue* frames = root.find("frames");
    return frames && frames->isDict();
}

bool probeSheet(const std::string& path, std::string& json, std::string& error)
{
    PlistValue root;
    if (!CCFileUtils::sharedFileUtils()->loadPlist(path, root)) {
        error = "not a readable plist";
        return false;
    }
    int format = 0;
    std::string texture;
    if (const PlistValue* meta = root.find("metadata")) {
        if (const PlistValue* f = meta->find("format"))
            format = f->asInt();
        if (const PlistValue* t = meta->find("textureFileName"))
            texture = t->text;
    }
    CCSpriteFrameCache* cache = CCSpriteFrameCache::sharedSpriteFrameCache();
    cache->removeSpriteFrames();
    cache->addSpriteFramesWithFile(path.c_str());
    if (!cache->isPlistLoaded(path.c_str())) {
        error = "the sprite frame cache refused the sheet (see the log above)";
        return false;
    }
    if (texture.empty()) {
        const std::size_t slash = path.find_last_of('/');
        texture = path.substr(slash == std::string::npos ? 0 : slash + 1);
        texture = texture.substr(0, texture.find_last_of('.')) + ".png";
    }
    std::ostringstream out;
    out << "{\"file\":" << probe::quote(path) << ",\"kind\":\"spritesheet\",\"format\":" << format
        << ",\"texture\":" << probe::quote(texture) << ",\"frames\":[";
    bool first = true;
    for (const auto& [name, value] : root.find("frames")->entries) {
        CCSpriteFrame* frame = cache->spriteFrameByName(name.c_str());
        if (!frame)
            continue;
        out << (first ? "" : ",") << "{\"name\":" << probe::quote(name) << ",\"w\":" << frame->getRect().size.width
            << ",\"h\":" << frame->getRect().size.height << ",\"rotated\":" << (frame->isRotated() ? "true" : "false")
            << "}";
        first = false;
    }
    out << "]}";
    json = out.str();
    cache->removeSpriteFrames();
    return true;
}

probe::ProbeRegistration registration({"spritesheet", isSheet, probeSheet});

} // namespace
