#include "EngineAssetTest.h"

#include <json/reader.h>

#include <fstream>
#include <sstream>

#include "base/CCConsole.h"
#include "extensions/armature/CCArmatureDataManager.h"
#include "extensions/gui/GUIReader.h"
#include "sprites/CCSpriteFrameCache.h"
#include "support/CCFileUtils.h"
#include "support/CCNS.h"
#include "support/PlistValue.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;

namespace brindle::assets::enginetest {

std::filesystem::path resourcesDir() { return BRINDLE_RESOURCES_DIR; }
std::filesystem::path imagesDir() { return resourcesDir() / "images_1440X960"; }

const Json::Value& manifest()
{
    static const Json::Value root = [] {
        Json::Value value;
        std::ifstream in(std::filesystem::path(BRINDLE_ASSETS_SOURCE_DIR) / "manifest.json");
        Json::CharReaderBuilder builder;
        std::string errors;
        if (!Json::parseFromStream(builder, in, &value, &errors))
            ADD_FAILURE() << "asset manifest unreadable: " << errors;
        return value;
    }();
    return root;
}

std::vector<SheetFrame> sheetFrames(const std::filesystem::path& plist)
{
    std::ifstream in(plist, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string data = text.str();
    PlistValue root;
    std::string error;
    std::vector<SheetFrame> frames;
    if (!parsePlist(data.data(), data.size(), root, error))
        return frames;
    const PlistValue* list = root.find("frames");
    if (!list || !list->isDict())
        return frames;
    for (const PlistEntry& entry : list->entries) {
        SheetFrame frame { entry.first };
        if (const PlistValue* size = entry.second.find("sourceSize")) {
            const CCSize s = CCSizeFromString(size->asString().c_str());
            frame.width = s.width;
            frame.height = s.height;
        }
        frames.push_back(frame);
    }
    return frames;
}

void EngineAssetTest::SetUp()
{
    engine::testing::resetEngine();
    CCLogSetSink([this](const std::string& line) { m_log.push_back(line); });
    // The client's own order: tables first, then the pictures, fonts and sounds.
    const std::filesystem::path root = resourcesDir();
    std::vector<std::string> paths;
    for (const char* dir : { "config", "images_1440X960", "fonts", "sound", "sound/effect", "sound/effect/Play" })
        paths.push_back((root / dir).string() + "/");
    CCFileUtils::sharedFileUtils()->setSearchPaths(paths);
    for (const char* sheet : { "UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist" })
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
    for (const std::string& line : takeLog())
        ADD_FAILURE() << "loading the shared sheets logged: " << line;
}

void EngineAssetTest::TearDown()
{
    CCLogSetSink(nullptr);
    extension::CCArmatureDataManager::purge();
    CCSpriteFrameCache::purgeSharedSpriteFrameCache();
    engine::testing::resetEngine();
}

std::vector<std::string> EngineAssetTest::takeLog()
{
    std::vector<std::string> lines;
    lines.swap(m_log);
    return lines;
}

} // namespace brindle::assets::enginetest
