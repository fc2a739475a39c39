#pragma once
// Shared by the checks that read the generated tree through the engine: the search paths the
// client sets, the four shared sheets it loads first, the asset manifest and a capture of the log.

#include <gtest/gtest.h>
#include <json/value.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brindle::assets::enginetest {

std::filesystem::path resourcesDir();
std::filesystem::path imagesDir();
const Json::Value& manifest();
// Frame names of a format-2 sheet, with each frame's untrimmed size; empty when unreadable.
struct SheetFrame {
    std::string name;
    float width = 0, height = 0;
};
std::vector<SheetFrame> sheetFrames(const std::filesystem::path& plist);

class EngineAssetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Log lines since the last call, then forgets them.
    std::vector<std::string> takeLog();

    std::vector<std::string> m_log;
};

} // namespace brindle::assets::enginetest
