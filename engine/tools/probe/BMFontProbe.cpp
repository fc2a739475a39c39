// AngelCode text .fnt files: parsed by the label's reader and the page picture loaded.
#include <sstream>

#include "Probe.h"
#include "labels/CCBMFontConfiguration.h"
#include "sprites/CCTextureCache.h"

using namespace cocos2d;

namespace {

bool isFnt(const std::string&, const std::string& ext, const std::string& head)
{
    return ext == ".fnt" || head.rfind("info face=", 0) == 0;
}

bool probeFnt(const std::string& path, std::string& json, std::string& error)
{
    CCBMFontConfiguration* config = CCBMFontConfiguration::create(path.c_str());
    if (!config) {
        error = "not a readable AngelCode text font";
        return false;
    }
    if (!CCTextureCache::sharedTextureCache()->addImage(config->getAtlasName())) {
        error = std::string("its page cannot be loaded: ") + config->data().pageFile;
        return false;
    }
    std::ostringstream out;
    out << "{\"file\":" << probe::quote(path) << ",\"kind\":\"bmfont\",\"lineHeight\":" << config->data().lineHeight
        << ",\"pages\":[" << probe::quote(config->data().pageFile) << "],\"glyphs\":" << config->data().chars.size()
        << ",\"kernings\":" << config->data().kerning.size() << "}";
    json = out.str();
    return true;
}

probe::ProbeRegistration registration({"bmfont", isFnt, probeFnt});

} // namespace
