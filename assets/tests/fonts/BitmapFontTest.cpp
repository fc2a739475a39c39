#include "core/FileUtil.h"
#include "core/PngWriter.h"
#include "fonts/BitmapFont.h"
#include "fonts/FontCollection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace brindle::assets {
namespace {

const char* const kFont = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

int field(const std::string& line, const std::string& key)
{
    const size_t at = line.find(" " + key + "=");
    return at == std::string::npos ? -99999 : std::stoi(line.substr(at + key.size() + 2));
}

TEST(BitmapFont, EveryCharacterGetsALineInsideThePage)
{
    if (!std::filesystem::exists(kFont))
        GTEST_SKIP() << "fonts-wqy-microhei is not installed";
    const std::string face = FontCollection::extractFace(readFile(kFont), 0);
    const auto wanted = BitmapFont::decodeUtf8("答题 A9%");
    ASSERT_EQ(wanted.size(), 6u); // space included
    BitmapFontStyle style;
    style.pixelSize = 30;
    const auto files = BitmapFont::render(face, wanted, style, "T", "T.png");
    std::vector<uint8_t> rgba;
    int w = 0, h = 0;
    ASSERT_TRUE(PngWriter::decode(files.png, rgba, w, h));
    std::istringstream in(files.fnt);
    std::string line;
    std::set<char32_t> seen;
    while (std::getline(in, line)) {
        if (line.rfind("common ", 0) == 0) {
            EXPECT_EQ(field(line, "scaleW"), w);
            EXPECT_EQ(field(line, "scaleH"), h);
            EXPECT_GE(field(line, "lineHeight"), 30);
        }
        if (line.rfind("char id=", 0) != 0)
            continue;
        seen.insert(char32_t(field(line, "id")));
        EXPECT_LE(field(line, "x") + field(line, "width"), w) << line;
        EXPECT_LE(field(line, "y") + field(line, "height"), h) << line;
        EXPECT_GT(field(line, "xadvance"), 0) << line;
    }
    EXPECT_EQ(seen, wanted);
}

TEST(BitmapFont, MissingGlyphsAreRefusedNotSkipped)
{
    if (!std::filesystem::exists(kFont))
        GTEST_SKIP() << "fonts-wqy-microhei is not installed";
    const std::string face = FontCollection::extractFace(readFile(kFont), 0);
    EXPECT_THROW(BitmapFont::render(face, { char32_t(0xE000) }, BitmapFontStyle {}, "T", "T.png"), std::runtime_error);
}

TEST(BitmapFont, Utf8DecodingKeepsSixteenBitCharactersOnly)
{
    EXPECT_EQ(BitmapFont::decodeUtf8("a\xe7\xad\x94\xf0\x9f\x98\x80\n"), (std::set<char32_t> { U'a', U'答' }));
    EXPECT_TRUE(BitmapFont::decodeUtf8("\xe7\xad").empty()); // truncated sequence
}

} // namespace
} // namespace brindle::assets
