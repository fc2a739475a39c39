#include "art/PictureCatalogue.h"
#include "core/SourceError.h"

#include <gtest/gtest.h>

namespace brindle::assets {
namespace {

TEST(PictureCatalogue, ReadsSheetsTurnsAndOwnFiles)
{
    const auto entries = PictureCatalogue::parse(Description::parse(
        "a.png 10x20 UI1 star\n"
        "\"b c.png\" 30x40 Caidan zodiac animal=dog turn=1\n"
        "arm.png 8x8 Armature+Armature1 star\n"
        "arm.png 8x8 PkLoading0 star\n"
        "file.png 5x5 - star\n",
        "art/t.pics"));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].sheets, std::vector<std::string> { "UI1" });
    EXPECT_EQ(entries[0].turn, -1);
    EXPECT_EQ(entries[1].name, "b c.png");
    EXPECT_EQ(entries[1].turn, 1);
    EXPECT_FALSE(entries[1].line.has("turn")) << "turn is the catalogue's, not the painter's";
    EXPECT_EQ(entries[2].sheets, (std::vector<std::string> { "Armature", "Armature1" }));
    EXPECT_TRUE(PictureCatalogue::writesOwnFile(entries[0]));
    EXPECT_TRUE(PictureCatalogue::writesOwnFile(entries[4]));
    EXPECT_FALSE(PictureCatalogue::writesOwnFile(entries[2]));
}

TEST(PictureCatalogue, RefusesClashesAndUnknownWords)
{
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        { "a.png 10x10 UI1 star\na.png 10x10 UI1 star", "already in sheet UI1" },
        { "a.png 10x10 UI1 star\na.png 10x10 UI2 star", "already described" },
        { "a.png 10x10 UI1+Nope star", "unknown sheet 'Nope'" },
        { "a.png 10x10 UI1 star extra", "unexpected word 'extra'" },
        { "a.png 10x10 UI1", "missing painter" },
        { "a.png 10x10 UI1 paintbrush", "unknown painter 'paintbrush'" },
    };
    for (const auto& c : cases) {
        try {
            PictureCatalogue::parse(Description::parse(c.text, "art/t.pics"));
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const SourceError& e) {
            EXPECT_EQ(e.file(), "art/t.pics");
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace brindle::assets
