#include "core/SourceError.h"
#include "data/ArmatureDescription.h"
#include "data/ArmatureWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace brindle::assets;

namespace {

const PartSizes kParts = { { "box.png", { 240, 180 } }, { "star.png", { 60, 60 } } };

ArmatureDocument parseArmature(const std::string& text)
{
    return ArmatureDescription::parse(Description::parse(text, "test.armature"), kParts);
}

const char* const kSample = R"(
armature Test
sheet Test0.plist
bone box picture=box.png pivot=0.5,0
bone star picture=star.png parent=box
movement open duration=40 loop=0 to=12
  key box 0 scale=0.5 alpha=0
  key box 20 scale=1 alpha=255 rotation=90
movement idle duration=30
  key star 5 x=30 y=60
)";

} // namespace

TEST(DataArmature, KeysEveryBoneOverTheWholeMovement)
{
    const Json::Value json = ArmatureWriter::write(parseArmature(kSample));
    EXPECT_EQ(json["armature_data"][0]["name"].asString(), "Test");
    EXPECT_EQ(json["animation_data"][0]["name"].asString(), "Test");
    EXPECT_EQ(json["config_file_path"][0].asString(), "Test0.plist");
    EXPECT_EQ(json["config_png_path"][0].asString(), "Test0.png");

    const Json::Value& movements = json["animation_data"][0]["mov_data"];
    ASSERT_EQ(movements.size(), 2u);
    EXPECT_EQ(movements[0]["name"].asString(), "open");
    EXPECT_FALSE(movements[0]["lp"].asBool());
    EXPECT_EQ(movements[0]["to"].asInt(), 12);
    EXPECT_TRUE(movements[1]["lp"].asBool());
    for (const Json::Value& movement : movements) {
        ASSERT_EQ(movement["mov_bone_data"].size(), 2u) << movement["name"].asString();
        for (const Json::Value& bone : movement["mov_bone_data"]) {
            const Json::Value& frames = bone["frame_data"];
            EXPECT_EQ(frames[0]["fi"].asInt(), 0);
            EXPECT_EQ(frames[frames.size() - 1]["fi"].asInt(), movement["dr"].asInt());
        }
    }
    // An unkeyed bone is hidden, not left in an old pose.
    const Json::Value& hiddenStar = movements[0]["mov_bone_data"][1]["frame_data"][0];
    EXPECT_EQ(hiddenStar["cX"].asDouble(), 0.0);
    EXPECT_EQ(hiddenStar["color"][0]["a"].asInt(), 0);

    // Scale 1 is the design size of a picture drawn at 1.5 x; rotation is clockwise.
    const Json::Value& opened = movements[0]["mov_bone_data"][0]["frame_data"][1];
    EXPECT_NEAR(opened["cX"].asDouble(), 2.0 / 3.0, 1e-9);
    EXPECT_NEAR(opened["kX"].asDouble(), std::numbers::pi / 2, 1e-9);
    EXPECT_NEAR(opened["kY"].asDouble(), -std::numbers::pi / 2, 1e-9);
    // A child's offset is in its parent's picture units.
    const Json::Value& star = movements[1]["mov_bone_data"][1]["frame_data"][0];
    EXPECT_NEAR(star["x"].asDouble(), 45, 1e-9);
    EXPECT_NEAR(star["cX"].asDouble(), 1.0, 1e-9);

    // The pivot at the bottom centre moves the picture up by half its height.
    const Json::Value& skin = json["armature_data"][0]["bone_data"][0]["display_data"][0]["skin_data"][0];
    EXPECT_EQ(skin["y"].asDouble(), 90);
    EXPECT_EQ(json["armature_data"][0]["bone_data"][1]["parent"].asString(), "box");
    EXPECT_EQ(json["texture_data"].size(), 2u);
}

TEST(DataArmature, RefusesFaultyDescriptions)
{
    const char* faults[] = {
        "armature A\nbone b picture=missing.png\nmovement m duration=10\n",          // unknown picture
        "armature A\nbone b picture=box.png\nmovement m duration=0\n",               // sends no events
        "armature A\nbone b picture=box.png\nmovement m duration=10\n  key c 0\n",   // unknown bone
        "armature A\nbone b picture=box.png\nmovement m duration=10\n  key b 11\n",  // past the end
        "armature A\nbone b picture=box.png\nmovement m duration=10\n  key b 5\n  key b 5\n", // order
        "armature A\nbone b picture=box.png parent=later\nbone later picture=box.png\nmovement m duration=5\n",
        "armature A\nbone b picture=box.png\n",                                      // no movement
        "armature A\nbone b picture=box.png\nmovement m duration=10\n  key b 0 alpha=300\n",
    };
    for (const char* text : faults)
        EXPECT_THROW(parseArmature(text), SourceError) << text;
}
