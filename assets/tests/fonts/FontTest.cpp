#include "TestSupport.h"

#include "core/FileUtil.h"
#include "core/JsonOut.h"
#include "fonts/BitmapFont.h"
#include "fonts/FontCollection.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace brindle::assets::testing {
namespace {

namespace fs = std::filesystem;

std::set<char32_t> fntCharacters(const fs::path& fnt)
{
    std::set<char32_t> ids;
    std::istringstream in(readFile(fnt));
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("char id=", 0) == 0)
            ids.insert(char32_t(std::stoul(line.substr(8))));
    return ids;
}

TEST(Fonts, ChineseBitmapFontCoversEveryTextOfTheTable)
{
    const auto texts = parseJson(readFile(fs::path(BRINDLE_ASSETS_SOURCE_DIR) / "text/config.conf"), "config.conf");
    const auto ids = fntCharacters(generatedTree() / "fonts/Chinese.fnt");
    ASSERT_GT(ids.size(), 300u);
    for (const auto& key : texts.getMemberNames()) {
        if (!texts[key].isObject())
            continue;
        for (char32_t ch : BitmapFont::decodeUtf8(texts[key]["chinese"].asString()))
            EXPECT_TRUE(ids.count(ch)) << "key " << key << " needs U+" << std::hex << uint32_t(ch);
    }
}

TEST(Fonts, NumberFontHasDigitsAndSigns)
{
    const auto ids = fntCharacters(generatedTree() / "fonts/NumFont.fnt");
    for (char c : std::string("0123456789-+:/.%dX"))
        EXPECT_TRUE(ids.count(char32_t(c))) << c;
}

TEST(Fonts, BitmapFontPageAndMetricsAgree)
{
    const std::string fnt = readFile(generatedTree() / "fonts/Chinese.fnt");
    EXPECT_NE(fnt.find("pages=1"), std::string::npos);
    EXPECT_NE(fnt.find("page id=0 file=\"Chinese.png\""), std::string::npos);
    EXPECT_TRUE(fs::exists(generatedTree() / "fonts/Chinese.png"));
}

TEST(Fonts, TrueTypeFilesOpenAndHaveChineseGlyphs)
{
    FT_Library library;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    for (const char* name : { "simhei.ttf", "STHUPO.TTF" }) {
        const std::string bytes = readFile(generatedTree() / "fonts" / name);
        EXPECT_NE(bytes.compare(0, 4, "ttcf"), 0) << name << " must be a single face";
        FT_Face face;
        ASSERT_EQ(FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(bytes.data()), FT_Long(bytes.size()), 0, &face), 0) << name;
        EXPECT_EQ(face->num_faces, 1) << name;
        for (char32_t ch : { U'答', U'题', U'萝', U'卜', U'A', U'9' })
            EXPECT_NE(FT_Get_Char_Index(face, FT_ULong(ch)), 0u) << name;
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
}

TEST(Fonts, CollectionExtractionRefusesBrokenInput)
{
    EXPECT_THROW(FontCollection::extractFace(std::string("ttcf\0\1\0\0\0\0\0\5", 12), 0), std::runtime_error);
    std::string oneFace("ttcf\0\1\0\0\0\0\0\1\0\0\0\20", 16);
    EXPECT_THROW(FontCollection::extractFace(oneFace, 3), std::runtime_error);
    EXPECT_EQ(FontCollection::extractFace("plain", 0), "plain");
}

} // namespace
} // namespace brindle::assets::testing
