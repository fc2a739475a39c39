#pragma once
// What the resource checks need: the generated resource tree (build/resources, next to the
// asset-gen binary's bin/ folder, or $BRINDLE_RESOURCES_DIR), name resolution through the
// client's search paths, JSON reading and the frames of the sheets.
#include "core/FileUtil.h"
#include "core/Plist.h"

#include <json/reader.h>
#include <json/value.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace brindle::assets::testing {

inline const char* const kSearchPaths[]
    = { "config", "images_1440X960", "fonts", "sound", "sound/effect", "sound/effect/Play" };

inline std::filesystem::path resourcesRoot()
{
    if (const char* env = std::getenv("BRINDLE_RESOURCES_DIR"))
        return env;
    return std::filesystem::path(BRINDLE_ASSET_GEN).parent_path().parent_path() / "resources";
}

inline std::filesystem::path manifestPath()
{
    return std::filesystem::path(BRINDLE_ASSETS_SOURCE_DIR) / "manifest.json";
}

// The file a name resolves to through the search paths, as the client's file utilities find it.
inline std::optional<std::filesystem::path> resolve(const std::string& name)
{
    for (const char* dir : kSearchPaths) {
        const auto path = resourcesRoot() / dir / name;
        if (std::filesystem::is_regular_file(path))
            return path;
    }
    return std::nullopt;
}

// Throws std::runtime_error naming the file when it is no valid JSON.
inline Json::Value readJson(const std::filesystem::path& path)
{
    const std::string text = readFile(path);
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &root, &errors))
        throw std::runtime_error(path.string() + ": " + errors);
    return root;
}

// Frame names of a sheet (plist in images_1440X960); empty when the sheet is missing.
inline std::set<std::string> sheetFrames(const std::string& plist)
{
    std::set<std::string> frames;
    const auto path = resourcesRoot() / "images_1440X960" / plist;
    if (!std::filesystem::exists(path))
        return frames;
    const Plist sheet = Plist::parse(readFile(path));
    if (const Plist* dict = sheet.find("frames"); dict && dict->isDict()) {
        for (const auto& [name, facts] : dict->dict())
            frames.insert(name);
    }
    return frames;
}

// The sheets the loading screen loads for every later screen.
inline const std::set<std::string>& sharedFrames()
{
    static const std::set<std::string> frames = [] {
        std::set<std::string> all;
        for (const char* sheet : { "UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist" }) {
            for (const std::string& frame : sheetFrames(sheet))
                all.insert(frame);
        }
        return all;
    }();
    return frames;
}

} // namespace brindle::assets::testing
