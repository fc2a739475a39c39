#include "data/TextTable.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace brindle::assets;

TEST(DataTextTable, PlaceholdersAreReadInOrderWithTheirKinds)
{
    struct Case {
        const char* text;
        std::vector<std::string> kinds;
    };
    const Case cases[] = {
        { "no format", {} },
        { "%d", { "int" } },
        { "%d/%d", { "int", "int" } },
        { "我正在玩《%s》，下载：%s", { "string", "string" } },
        { "用时：%.1f秒", { "float" } },
        { "%02d-%5s %ld", { "int", "string", "int" } },
        { "100%% sure %d", { "int" } },
    };
    for (const Case& c : cases) {
        const auto kinds = TextTable::placeholders(c.text);
        ASSERT_TRUE(kinds.has_value()) << c.text;
        EXPECT_EQ(*kinds, c.kinds) << c.text;
    }
    for (const char* stray : { "50%", "%!", "%q", "half %.f" })
        EXPECT_EQ(TextTable::placeholders(stray).has_value(), std::string(stray) == "half %.f") << stray;
}

TEST(DataTextTable, ParsesCommentedSourceAndWritesPlainJson)
{
    const TextTable table = TextTable::parse(R"(// header
        {
            "sure": {"chinese": "确定", "english": "OK"}, // trailing comment
            "Find": {"chinese": "找出%d处不同", "english": "Find %d differences"}
        })",
        "config.conf");
    ASSERT_NE(table.find("sure"), nullptr);
    EXPECT_EQ(table.find("sure")->chinese, "确定");
    EXPECT_EQ(table.find("Find")->english, "Find %d differences");
    EXPECT_EQ(table.find("missing"), nullptr);
    const Json::Value json = table.toJson();
    EXPECT_EQ(json.size(), 2u);
    EXPECT_EQ(json["Find"]["chinese"].asString(), "找出%d处不同");
}

TEST(DataTextTable, RefusesEntriesThatWouldShowWrong)
{
    const char* faults[] = {
        R"({"a": {"chinese": "一", "english": "one"}, "a": {"chinese": "二", "english": "two"}})", // duplicate key
        R"({"a": {"chinese": "一"}})",                                  // no English
        R"({"a": "一"})",                                               // not an entry object
        R"({"a": {"chinese": "%d个", "english": "%s items"}})",         // kinds differ
        R"({"a": {"chinese": "%d/%d", "english": "%d"}})",              // count differs
        R"({"a": {"chinese": "打5%折", "english": "5% off"}})",         // stray percent
        R"(["not", "an", "object"])",
        R"({"a": {"chinese": "一", "english": "one"})",                 // unterminated
    };
    for (const char* text : faults)
        EXPECT_THROW(TextTable::parse(text, "config.conf"), std::runtime_error) << text;
}
