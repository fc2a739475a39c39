// .fnt parsing against the sample fonts and glyph layout of CCLabelBMFont.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../render/RenderTestSupport.h"
#include "labels/BMFontParser.h"
#include "labels/CCBMFontConfiguration.h"
#include "labels/CCLabelBMFont.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;
namespace fs = std::filesystem;

namespace {

class BMFontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine::testing::resetEngine();
        CCFileUtils::sharedFileUtils()->setResourceRoot(rendertest::samples("bmfont"));
    }
    void TearDown() override
    {
        CCLabelBMFont::purgeCachedData();
        CCTextureCache::purgeSharedTextureCache();
    }
};

CCPoint glyphPos(CCLabelBMFont* l, int index)
{
    CCNode* g = l->getChildByTag(index);
    return g ? g->getPosition() : CCPoint(-999, -999);
}

} // namespace

TEST_F(BMFontTest, SampleFontsParseWithExactMetrics)
{
    SKIP_WITHOUT_SAMPLES();
    struct Case {
        const char* file;
        int lineHeight, base, scaleW, scaleH;
        const char* page;
        std::size_t glyphs, kernings;
        unsigned id;
        BMFontDef def;
    } cases[] = {
        {"futura.fnt", 26, 21, 256, 128, "futura.png", 95, 72, 'W', {'W', 97, 2, 22, 18, 0, 4, 21}},
        {"futura.fnt", 26, 21, 256, 128, "futura.png", 95, 72, ' ', {' ', 130, 81, 0, 0, 6, 41, 6}},
        {"arial-unicode-26.fnt", 35, 28, 512, 256, "arial-unicode-26.png", 202, 0, 22909, {22909, 445, 2, 28, 28, 0, 5, 26}},
        {"arial-unicode-26.fnt", 35, 28, 512, 256, "arial-unicode-26.png", 202, 0, 'A', {'A', 321, 118, 22, 23, -1, 8, 17}},
    };
    for (const Case& c : cases) {
        std::string text;
        ASSERT_TRUE(CCFileUtils::sharedFileUtils()->readFile(c.file, text));
        BMFontData font;
        std::string error;
        ASSERT_TRUE(parseFnt(text, font, error)) << c.file << ": " << error;
        EXPECT_EQ(font.lineHeight, c.lineHeight) << c.file;
        EXPECT_EQ(font.base, c.base);
        EXPECT_EQ(font.scaleW, c.scaleW);
        EXPECT_EQ(font.scaleH, c.scaleH);
        EXPECT_EQ(font.pageFile, c.page);
        EXPECT_EQ(font.chars.size(), c.glyphs) << c.file;
        EXPECT_EQ(font.kerning.size(), c.kernings) << c.file;
        ASSERT_TRUE(font.chars.count(c.id)) << c.id;
        const BMFontDef& d = font.chars.at(c.id);
        EXPECT_EQ(d.x, c.def.x);
        EXPECT_EQ(d.y, c.def.y);
        EXPECT_EQ(d.width, c.def.width);
        EXPECT_EQ(d.height, c.def.height);
        EXPECT_EQ(d.xOffset, c.def.xOffset);
        EXPECT_EQ(d.yOffset, c.def.yOffset);
        EXPECT_EQ(d.xAdvance, c.def.xAdvance);
    }
    std::string text;
    CCFileUtils::sharedFileUtils()->readFile("futura.fnt", text);
    BMFontData font;
    std::string error;
    parseFnt(text, font, error);
    EXPECT_EQ(font.kerningAmount('A', 'Y'), -1);
    EXPECT_EQ(font.kerningAmount('A', '>'), 1);
    EXPECT_EQ(font.kerningAmount('Y', 'A'), 0);
}

TEST_F(BMFontTest, BrokenFontFilesAreRefused)
{
    struct Case {
        const char* name;
        const char* text;
    } cases[] = {
        {"no common", "page id=0 file=\"a.png\"\nchar id=65 x=0 y=0 width=1 height=1\n"},
        {"two pages", "common lineHeight=10 pages=2\npage id=0 file=\"a.png\"\npage id=1 file=\"b.png\"\n"},
        {"page 1 only", "common lineHeight=10 pages=1\npage id=1 file=\"a.png\"\n"},
        {"no page", "common lineHeight=10 pages=1\n"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        BMFontData font;
        std::string error;
        EXPECT_FALSE(parseFnt(c.text, font, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
}

TEST_F(BMFontTest, GlyphsFollowPenOffsetsAndKerning)
{
    SKIP_WITHOUT_SAMPLES();
    struct Case {
        const char* text;
        CCSize size;
        std::vector<std::pair<int, CCPoint>> glyphs;
    } cases[] = {
        // A then Y with kerning -1; width gets Y's overhang (13 - 12).
        {"AY", {27, 26}, {{0, {8, 13.5f}}, {1, {20.5f, 13.5f}}}},
        // Two lines: the first line sits one line height up.
        {"A\nHi", {20, 52}, {{0, {8, 39.5f}}, {2, {8, 13.5f}}, {3, {17.5f, 12.5f}}}},
        // A character the font lacks is skipped without advancing.
        {"A\xE2\x98\x83" "A", {31, 26}, {{0, {8, 13.5f}}, {2, {23, 13.5f}}}},
    };
    for (const Case& c : cases) {
        rendertest::LogCapture log;
        CCLabelBMFont* l = CCLabelBMFont::create(c.text, "futura.fnt");
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->getContentSize(), c.size) << c.text;
        EXPECT_EQ(l->getAnchorPoint(), CCPoint(0.5f, 0.5f));
        for (const auto& [index, pos] : c.glyphs) {
            EXPECT_EQ(glyphPos(l, index), pos) << c.text << " glyph " << index;
            EXPECT_EQ(l->getChildByTag(index)->getZOrder(), index);
        }
        if (std::string(c.text).find('\xE2') != std::string::npos) {
            EXPECT_EQ(l->getChildByTag(1), nullptr);
            EXPECT_TRUE(log.contains("U+2603"));
        }
    }
    CCLabelBMFont* cjk = CCLabelBMFont::create("美好", "arial-unicode-26.fnt");
    ASSERT_NE(cjk, nullptr);
    EXPECT_EQ(cjk->getContentSize(), CCSize(54, 35));
    EXPECT_EQ(glyphPos(cjk, 1), CCPoint(40, 16));
    EXPECT_STREQ(cjk->getString(), "美好");
    EXPECT_EQ(cjk->debugText(), "美好");
}

TEST_F(BMFontTest, AlignmentAndWidthWrapping)
{
    SKIP_WITHOUT_SAMPLES();
    CCLabelBMFont* centred = CCLabelBMFont::create("AY\nA", "futura.fnt", kCCLabelAutomaticWidth, kCCTextAlignmentCenter);
    ASSERT_NE(centred, nullptr);
    EXPECT_EQ(centred->getContentSize(), CCSize(27, 52));
    EXPECT_EQ(glyphPos(centred, 3), CCPoint(13.5f, 13.5f)); // (27 - 16) / 2 to the right
    EXPECT_EQ(glyphPos(centred, 1), CCPoint(20.5f, 39.5f)); // the widest line does not move
    centred->setAlignment(kCCTextAlignmentRight);
    EXPECT_EQ(glyphPos(centred, 3), CCPoint(19, 13.5f));

    // The space that would overflow breaks the line.
    CCLabelBMFont* wrapped = CCLabelBMFont::create("AY AY", "futura.fnt", 30);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->getContentSize().height, 52);
    EXPECT_EQ(glyphPos(wrapped, 0), CCPoint(8, 39.5f));
    EXPECT_EQ(glyphPos(wrapped, 3), CCPoint(8, 13.5f));
    EXPECT_EQ(glyphPos(wrapped, 4), CCPoint(20.5f, 13.5f));
    // A word that does not fit moves to the next line at the last space.
    wrapped->setString("A AY");
    EXPECT_EQ(wrapped->getContentSize(), CCSize(27, 52));
    EXPECT_EQ(glyphPos(wrapped, 0), CCPoint(8, 39.5f));
    EXPECT_EQ(glyphPos(wrapped, 2), CCPoint(8, 13.5f));
    EXPECT_FALSE(wrapped->getChildByTag(4) && wrapped->getChildByTag(4)->isVisible()); // leftover glyph hidden
}

TEST_F(BMFontTest, ColourCascadesToGlyphsAndBadFontsGiveNull)
{
    SKIP_WITHOUT_SAMPLES();
    CCLabelBMFont* l = CCLabelBMFont::create("Hi", "futura.fnt");
    ASSERT_NE(l, nullptr);
    l->setColor(ccc3(255, 0, 0));
    l->setOpacity(100);
    auto* glyph = static_cast<CCSprite*>(l->getChildByTag(0));
    EXPECT_EQ(glyph->getDisplayedColor().g, 0);
    EXPECT_EQ(glyph->getDisplayedOpacity(), 100);
    EXPECT_EQ(FNTConfigLoadFile("futura.fnt"), l->getConfiguration()); // cached by name

    const fs::path tmp = fs::temp_directory_path() / ("brindle-fnt-" + std::to_string(::getpid()));
    fs::create_directories(tmp);
    std::ofstream(tmp / "nopage.fnt") << "common lineHeight=10 pages=1\npage id=0 file=\"gone.png\"\n"
                                         "char id=65 x=0 y=0 width=4 height=4 xoffset=0 yoffset=0 xadvance=4\n";
    rendertest::LogCapture log;
    EXPECT_EQ(CCLabelBMFont::create("A", (tmp / "nopage.fnt").c_str()), nullptr);
    EXPECT_TRUE(log.contains("gone.png"));
    EXPECT_EQ(CCLabelBMFont::create("A", "missing.fnt"), nullptr);
    EXPECT_TRUE(log.contains("missing.fnt"));
    fs::remove_all(tmp);
}
