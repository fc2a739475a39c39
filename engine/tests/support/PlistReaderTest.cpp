#include <gtest/gtest.h>

#include <string>

#include "support/CCNS.h"
#include "support/PlistValue.h"

using namespace cocos2d;

TEST(PlistReader, RejectsBrokenInputWithAReason)
{
    const std::string full = R"(<?xml version="1.0"?><plist><dict><key>a</key><integer>1</integer></dict></plist>)";
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"truncated", full.substr(0, full.size() / 2)},
        {"key without value", "<plist><dict><key>a</key></dict></plist>"},
        {"value without key", "<plist><dict><string>a</string></dict></plist>"},
        {"unknown element", "<plist><dict><key>a</key><blob/></dict></plist>"},
        {"not xml", "{\"json\": true}"},
        {"absurd nesting", std::string(5000, '<') + "array>"},
    };
    for (const Case& c : cases) {
        PlistValue v;
        std::string error;
        EXPECT_FALSE(parsePlist(c.text.data(), c.text.size(), v, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
    PlistValue v;
    std::string error;
    ASSERT_TRUE(parsePlist(full.data(), full.size(), v, error)) << error;
    ASSERT_NE(v.find("a"), nullptr);
    EXPECT_EQ(v.find("a")->asInt(), 1);
}

TEST(PlistReader, KeepsEntryOrderAndTypes)
{
    const std::string text = R"(<plist><dict><key>z</key><real>1.5</real><key>a</key><true/>
        <key>m</key><array><integer>4</integer><string>s</string></array></dict></plist>)";
    PlistValue v;
    std::string error;
    ASSERT_TRUE(parsePlist(text.data(), text.size(), v, error));
    ASSERT_EQ(v.entries.size(), 3u);
    EXPECT_EQ(v.entries[0].first, "z");
    EXPECT_EQ(v.entries[2].first, "m");
    EXPECT_DOUBLE_EQ(v.find("z")->asDouble(), 1.5);
    EXPECT_TRUE(v.find("a")->asBool());
    EXPECT_EQ(v.find("m")->items.size(), 2u);
    EXPECT_EQ(v.find("m")->items[1].text, "s");
    EXPECT_EQ(v.find("nothing"), nullptr);
}

TEST(PlistReader, GeometryStrings)
{
    const CCRect r = CCRectFromString("{{2, 125}, {121, 85}}");
    EXPECT_EQ(r, CCRect(2, 125, 121, 85));
    EXPECT_EQ(CCPointFromString("{-6,-1.5}"), CCPoint(-6, -1.5f));
    EXPECT_EQ(CCSizeFromString("{85,121}"), CCSize(85, 121));
    EXPECT_EQ(CCRectFromString("{{1,2},{3}}"), CCRect());
    EXPECT_EQ(CCRectFromString("garbage"), CCRect());
    EXPECT_EQ(CCSizeFromString(nullptr), CCSize());
}
