#include "core/JsonOut.h"
#include "core/Plist.h"
#include "data/ReferenceCheck.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace brindle::assets;
using brindle::assets::testing::TempDir;

namespace {

void writeSheet(const std::filesystem::path& dir, const std::string& name, std::initializer_list<const char*> frames)
{
    Plist sheet;
    Plist::Dict entries;
    for (const char* frame : frames)
        entries[frame] = Plist(Plist::Dict { { "frame", Plist("{{0,0},{10,10}}") } });
    sheet["frames"] = Plist(entries);
    std::ofstream(dir / name) << sheet.toXml();
}

bool mentions(const std::vector<std::string>& faults, const std::string& what)
{
    for (const std::string& fault : faults) {
        if (fault.find(what) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace

TEST(DataReferenceCheck, FindsPicturesTheTreeLacks)
{
    TempDir dir("refcheck");
    writeSheet(dir.path(), "UI1.plist", { "common_btn.png" });
    writeSheet(dir.path(), "Caidan.plist", { "caidan_pig1.png" });
    std::ofstream(dir.path() / "bg.png") << "png";
    const ReferenceCheck check(dir.path());

    const Json::Value layout = parseJson(R"({"textures": ["Caidan.plist", "Gone.plist"], "widgetTree":
        {"options": {"name": "root", "backGroundImageData": null}, "children": [
            {"options": {"name": "bg", "fileNameData": {"path": "bg.png", "resourceType": 0}}, "children": []},
            {"options": {"name": "ok", "normalData": {"path": "common_btn.png", "resourceType": 1},
                         "pressedData": {"path": null, "resourceType": 0}}, "children": []},
            {"options": {"name": "pig", "fileNameData": {"path": "caidan_pig1.png", "resourceType": 1}}},
            {"options": {"name": "lost", "fileNameData": {"path": "nowhere.png", "resourceType": 0}}},
            {"options": {"name": "ghost", "normalData": {"path": "common_ghost.png", "resourceType": 1}}}
        ]}})",
        "test");
    const auto faults = check.layout("test.ExportJson", layout);
    EXPECT_EQ(faults.size(), 3u);
    EXPECT_TRUE(mentions(faults, "missing sheet Gone.plist"));
    EXPECT_TRUE(mentions(faults, "lost names the missing file nowhere.png"));
    EXPECT_TRUE(mentions(faults, "ghost names the frame common_ghost.png"));

    writeSheet(dir.path(), "Armature.plist", { "arm_star.png", "arm_carrot.png" });
    writeSheet(dir.path(), "Armature1.plist", { "arm_star.png" });
    const Json::Value armature = parseJson(R"({"armature_data": [{"bone_data": [
            {"display_data": [{"name": "arm_star.png"}]}, {"display_data": [{"name": "arm_carrot.png"}]}]}]})",
        "armature");
    EXPECT_TRUE(check.armature("A.ExportJson", armature, { "Armature.plist" }).empty());
    const auto armatureFaults = check.armature("A.ExportJson", armature, { "Armature1.plist", "Missing.plist" });
    ASSERT_EQ(armatureFaults.size(), 2u);
    EXPECT_TRUE(mentions(armatureFaults, "Armature1.plist lacks the bone picture arm_carrot.png"));
    EXPECT_TRUE(mentions(armatureFaults, "Missing.plist is missing"));
}
