// Checks the generated tree against the names the game code relies on.

#include "TestSupport.h"

#include "core/FileUtil.h"
#include "core/JsonOut.h"
#include "core/Plist.h"
#include "core/PngWriter.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace brindle::assets::testing {
namespace {

namespace fs = std::filesystem;

const char* const kSearchPaths[] = { "config", "images_1440X960", "fonts", "sound", "sound/effect", "sound/effect/Play" };
const char* const kSharedSheets[] = { "UI1", "UI2", "Game", "Expand1" };

bool findable(const std::string& name)
{
    for (const char* dir : kSearchPaths)
        if (fs::is_regular_file(generatedTree() / dir / name))
            return true;
    return false;
}

struct Rect {
    int x, y, w, h;
};

Rect parseRect(const std::string& text)
{
    static const std::regex form(R"(\{\{(-?\d+),(-?\d+)\},\{(\d+),(\d+)\}\})");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return { -1, -1, 0, 0 };
    return { std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]) };
}

struct Sheet {
    Plist plist;
    int width = 0, height = 0;
};

const std::map<std::string, Sheet>& sheets()
{
    static const std::map<std::string, Sheet> all = [] {
        std::map<std::string, Sheet> out;
        for (const auto& e : fs::directory_iterator(generatedTree() / "images_1440X960")) {
            if (e.path().extension() != ".plist" || e.path().stem() == "dabaozha")
                continue;
            Sheet s;
            s.plist = Plist::parse(readFile(e.path()));
            std::vector<uint8_t> rgba;
            PngWriter::decode(readFile(fs::path(e.path()).replace_extension(".png")), rgba, s.width, s.height);
            out[e.path().stem().string()] = std::move(s);
        }
        return out;
    }();
    return all;
}

// Read once and kept: `for (x : manifest()["frames"])` over a returned copy would walk a member
// of a temporary that is already gone when the loop starts.
const Json::Value& manifest()
{
    static const Json::Value root = parseJson(readFile(manifestFile()), "manifest.json");
    return root;
}

bool inSharedSheet(const std::string& frame)
{
    for (const char* name : kSharedSheets) {
        auto it = sheets().find(name);
        if (it != sheets().end() && it->second.plist.find("frames")->find(frame))
            return true;
    }
    return false;
}

TEST(GeneratedArt, EveryManifestFrameIsInASharedSheetAndAFile)
{
    ASSERT_TRUE(fs::is_directory(generatedTree())) << "build the resources target first";
    // An empty list would pass every loop below.
    ASSERT_FALSE(manifest()["frames"].empty());
    ASSERT_FALSE(manifest()["pictures"].empty());
    for (const auto& frame : manifest()["frames"]) {
        EXPECT_TRUE(inSharedSheet(frame.asString())) << frame.asString();
        EXPECT_TRUE(findable(frame.asString())) << frame.asString();
    }
    for (const auto& picture : manifest()["pictures"])
        EXPECT_TRUE(findable(picture.asString())) << picture.asString();
    for (const auto& [sheet, frames] : std::map<std::string, std::vector<std::string>> {
             { "UI1", { "common_btn.png", "common_btn2.png", "common_alphaBg.png", "stars.png" } } })
        for (const auto& f : frames)
            EXPECT_NE(sheets().at(sheet).plist.find("frames")->find(f), nullptr) << sheet << " lacks " << f;
}

TEST(GeneratedArt, TiedSheetsHoldTheirFramesAndCaidanTurnsExactlyTheMarkedOnes)
{
    const Json::Value& info = manifest()["sheets"];
    ASSERT_FALSE(info.empty());
    for (const auto& plistName : info.getMemberNames()) {
        const std::string sheet = plistName.substr(0, plistName.size() - 6);
        ASSERT_TRUE(sheets().count(sheet)) << plistName << " was not generated";
        for (const auto& f : info[plistName]["frames"])
            EXPECT_NE(sheets().at(sheet).plist.find("frames")->find(f.asString()), nullptr) << sheet << " " << f.asString();
    }
    const Plist& caidan = sheets().at("Caidan").plist;
    EXPECT_EQ(caidan.find("frames")->dict().size(), 42u);
    const Json::Value& rotated = info["Caidan.plist"]["rotated"];
    EXPECT_EQ(rotated.size(), 42u);
    for (const std::string& name : rotated.getMemberNames()) {
        const Plist* frame = caidan.find("frames")->find(name);
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->find("rotated")->flag(), rotated[name].asBool()) << name;
        EXPECT_EQ(frame->find("offset")->string(), "{0,0}");
        const Rect r = parseRect(frame->find("frame")->string());
        EXPECT_EQ(frame->find("sourceSize")->string(), "{" + std::to_string(r.w) + "," + std::to_string(r.h) + "}");
    }
    // Removal by name must not take shared frames with it.
    for (const char* tied : { "Xingxiang", "Achievement" })
        for (const auto& [name, frame] : sheets().at(tied).plist.find("frames")->dict())
            EXPECT_FALSE(inSharedSheet(name)) << tied << " repeats " << name;
}

TEST(GeneratedArt, SheetFramesLieInsideTheirTexturesWithoutOverlap)
{
    ASSERT_FALSE(sheets().empty());
    for (const auto& [name, sheet] : sheets()) {
        const Plist* meta = sheet.plist.find("metadata");
        ASSERT_NE(meta, nullptr) << name;
        EXPECT_EQ(meta->find("format")->number(), 2) << name;
        EXPECT_EQ(meta->find("textureFileName")->string(), name + ".png");
        EXPECT_EQ(meta->find("size")->string(), "{" + std::to_string(sheet.width) + "," + std::to_string(sheet.height) + "}");
        std::vector<std::pair<std::string, Rect>> placed;
        for (const auto& [frameName, frame] : sheet.plist.find("frames")->dict()) {
            for (const char* key : { "frame", "offset", "rotated", "sourceColorRect", "sourceSize" })
                EXPECT_NE(frame.find(key), nullptr) << name << "/" << frameName << " lacks " << key;
            Rect r = parseRect(frame.find("frame")->string());
            if (frame.find("rotated")->flag())
                std::swap(r.w, r.h);
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= sheet.width && r.y + r.h <= sheet.height)
                << name << "/" << frameName;
            for (const auto& [other, o] : placed)
                EXPECT_FALSE(r.x < o.x + o.w && o.x < r.x + r.w && r.y < o.y + o.h && o.y < r.y + r.h)
                    << name << ": " << frameName << " overlaps " << other;
            placed.push_back({ frameName, r });
        }
    }
}

TEST(GeneratedArt, ArmatureSheetsHoldEveryAgreedBonePicture)
{
    const auto lines = readFile(fs::path(BRINDLE_ASSETS_SOURCE_DIR) / "armature-parts.txt");
    const std::map<std::string, std::vector<std::string>> pairs { { "BrindleAnimation", { "Armature", "Armature1" } },
        { "pipeiduishouzhong", { "pipeiduishouzhong0" } }, { "PkLoading", { "PkLoading0" } },
        { "NewAnimation", { "NewAnimation0" } } };
    std::istringstream in(lines);
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string armature, picture;
        if (!(words >> armature >> picture) || armature[0] == '#' || !pairs.count(armature))
            continue;
        for (const auto& sheet : pairs.at(armature)) {
            EXPECT_NE(sheets().at(sheet).plist.find("frames")->find(picture), nullptr) << sheet << " lacks " << picture;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

TEST(GeneratedArt, SoundsAndFontsSitWhereTheGameLooks)
{
    ASSERT_FALSE(manifest()["sounds"].empty());
    ASSERT_FALSE(manifest()["fonts"].empty());
    for (const auto& sound : manifest()["sounds"]) {
        const std::string name = sound.asString();
        // "effect/play/..." is resolved from the "sound" search path.
        const bool found = findable(name);
        EXPECT_TRUE(found) << name;
    }
    for (const auto& font : manifest()["fonts"]) {
        const std::string name = font.asString();
        EXPECT_TRUE(findable(name == "Arial" ? "Arial.ttf" : name)) << name;
    }
    EXPECT_TRUE(findable("bgMusic_main.mp3"));
    EXPECT_TRUE(fs::is_regular_file(generatedTree() / "sound/effect/play/tPlay3_wrong.mp3"));
    const std::string mp3 = readFile(generatedTree() / "sound/bgMusic_main.mp3");
    ASSERT_GT(mp3.size(), 100000u); // about 30 s at 128 kbit/s
    EXPECT_EQ(uint8_t(mp3[0]), 0xff) << "frame sync first: no ID3 tag";
}

TEST(GeneratedArt, ParticleFileNamesATextureThatExists)
{
    const Plist particle = Plist::parse(readFile(generatedTree() / "images_1440X960/dabaozha.plist"));
    ASSERT_NE(particle.find("textureFileName"), nullptr);
    EXPECT_TRUE(findable(particle.find("textureFileName")->string()));
    ASSERT_NE(particle.find("duration"), nullptr);
    EXPECT_GT(particle.find("duration")->number(), 0);
    EXPECT_LE(particle.find("duration")->number(), 0.8);
    EXPECT_GT(particle.find("maxParticles")->number(), 0);
}

} // namespace
} // namespace brindle::assets::testing
