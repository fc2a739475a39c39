#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, ReadsEveryOption) {
    std::string error;
    const auto line = CommandLine::parse({"--entry", "10.0.0.5:9000", "--resources", "/r", "--user-dir", "/u",
                                          "--window", "1280x720", "--screenshot", "/tmp/s.png", "--screenshot-at",
                                          "2.5", "--quit-after", "4"},
                                         nullptr, error);
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->entryHost, "10.0.0.5");
    EXPECT_EQ(line->entryPort, 9000);
    EXPECT_EQ(line->resources, "/r");
    EXPECT_EQ(line->userDir, "/u");
    EXPECT_EQ(line->windowWidth, 1280);
    EXPECT_EQ(line->windowHeight, 720);
    ASSERT_EQ(line->screenshots.size(), 1u);
    EXPECT_EQ(line->screenshots[0].file, "/tmp/s.png");
    EXPECT_DOUBLE_EQ(line->screenshots[0].at, 2.5);
    EXPECT_DOUBLE_EQ(line->quitAfter, 4);
}

TEST(CommandLine, EntryFromTheEnvironmentYieldsToTheOption) {
    std::string error;
    auto line = CommandLine::parse({}, "example.org:8100", error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->entryHost, "example.org");
    EXPECT_EQ(line->entryPort, 8100);
    line = CommandLine::parse({"--entry", "127.0.0.1:8000"}, "example.org:8100", error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->entryHost, "127.0.0.1");
    line = CommandLine::parse({}, nullptr, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->entryHost, "127.0.0.1");
    EXPECT_EQ(line->entryPort, 8000);
    EXPECT_EQ(line->windowWidth, 960);
    EXPECT_EQ(line->windowHeight, 640);
}

TEST(CommandLine, RefusesMalformedInput) {
    const std::vector<std::vector<std::string>> bad = {
        {"--entry", "nohost"}, {"--entry", "h:0"},      {"--entry", "h:70000"}, {"--entry", ":80"},
        {"--window", "960"},   {"--window", "0x640"},   {"--window", "ax640"},  {"--quit-after", "-1"},
        {"--quit-after"},      {"--screenshot-at", "x"}, {"--bogus", "1"},      {"--bogus"},
        {"--screenshot-at", "2"}, {"--tap", "10,20"},   {"--tap", "10@2"},      {"--tap", "-1,5@1"},
        {"--tap", "1,2@x"},    {"--tap", "1@2,3"},     {"--quit-on-scene", "-1"}, {"--quit-on-scene", "two"},
        {"--tap", "1,2@s22"},  {"--tap", "1,2@s+2"},   {"--tap", "1,2@s-1+2"}, {"--tap", "1,2@s2+x"},
        {"--tap", "1,2@s2+-1"}, {"--type", "abc"},     {"--type", "@2"},       {"--type", "abc@x"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(CommandLine::parse(args, nullptr, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
    std::string error;
    EXPECT_FALSE(CommandLine::parse({}, "garbage", error));
}

TEST(CommandLine, HelpAndScreenshotDefaults) {
    std::string error;
    auto line = CommandLine::parse({"--help"}, nullptr, error);
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->help);
    line = CommandLine::parse({"--screenshot", "a.png"}, nullptr, error);
    ASSERT_TRUE(line);
    ASSERT_EQ(line->screenshots.size(), 1u);
    EXPECT_DOUBLE_EQ(line->screenshots[0].at, 3.0);
    EXPECT_NE(CommandLine::usage().find("--entry HOST:PORT"), std::string::npos);
}

TEST(CommandLine, SeveralScreenshotsPairWithTheirTimesAndTapsAreDesignPoints) {
    std::string error;
    const auto line = CommandLine::parse({"--screenshot", "a.png", "--screenshot-at", "8", "--screenshot", "b.png",
                                          "--tap", "480,320@9.5", "--tap", "0,0@1", "--quit-on-scene", "2"},
                                         nullptr, error);
    ASSERT_TRUE(line) << error;
    ASSERT_EQ(line->screenshots.size(), 2u);
    EXPECT_DOUBLE_EQ(line->screenshots[0].at, 8);
    EXPECT_EQ(line->screenshots[1].file, "b.png");
    EXPECT_DOUBLE_EQ(line->screenshots[1].at, 3);
    ASSERT_EQ(line->taps.size(), 2u);
    EXPECT_FLOAT_EQ(line->taps[0].x, 480);
    EXPECT_FLOAT_EQ(line->taps[0].y, 320);
    EXPECT_DOUBLE_EQ(line->taps[0].at, 9.5);
    EXPECT_DOUBLE_EQ(line->taps[1].at, 1);
    EXPECT_EQ(line->quitOnScene, 2);
}

TEST(CommandLine, MomentsMayCountFromTheFirstShowingOfAScene) {
    std::string error;
    const auto line = CommandLine::parse({"--tap", "480,300@s23+2.5", "--screenshot", "p.png", "--screenshot-at",
                                          "s22+0", "--tap", "1,1@4", "--quit-after", "s22+60"},
                                         nullptr, error);
    ASSERT_TRUE(line) << error;
    ASSERT_EQ(line->taps.size(), 2u);
    EXPECT_EQ(line->taps[0].scene, 23);
    EXPECT_DOUBLE_EQ(line->taps[0].at, 2.5);
    EXPECT_EQ(line->taps[1].scene, -1);
    EXPECT_EQ(line->screenshots[0].scene, 22);
    EXPECT_DOUBLE_EQ(line->screenshots[0].at, 0);
    EXPECT_EQ(line->quitAfterScene, 22);
    EXPECT_DOUBLE_EQ(line->quitAfter, 60);
}

TEST(CommandLine, TypedTextEndsAtItsLastAt) {
    std::string error;
    const auto line = CommandLine::parse({"--type", "队@A1@s25+3", "--type", "x@2"}, nullptr, error);
    ASSERT_TRUE(line) << error;
    ASSERT_EQ(line->typings.size(), 2u);
    EXPECT_EQ(line->typings[0].text, "队@A1");
    EXPECT_EQ(line->typings[0].scene, 25);
    EXPECT_DOUBLE_EQ(line->typings[0].at, 3);
    EXPECT_EQ(line->typings[1].scene, -1);
}

} // namespace
