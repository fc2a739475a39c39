// CCLabelTTF sizes for wrapping, clipping and alignment, CJK line breaks, font resolution.
#include <gtest/gtest.h>

#include <SDL2/SDL_ttf.h>
#include <unistd.h>

#include <filesystem>

#include "../render/RenderTestSupport.h"
#include "labels/CCLabelTTF.h"
#include "labels/TTFRenderer.h"
#include "support/CCFileUtils.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;
namespace fs = std::filesystem;

namespace {

class LabelTTFTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine::testing::resetEngine();
        std::string error;
        if (TTFRenderer::resolveFont("Arial", error).empty())
            GTEST_SKIP() << "no default font installed";
    }
    float lineHeight(float size)
    {
        CCLabelTTF* one = CCLabelTTF::create("Hg", "Arial", size);
        return one ? one->getContentSize().height : 0;
    }
};

// Rows / columns of the bitmap that have any coverage.
std::pair<int, int> litRows(const TextBitmap& b)
{
    int first = -1, last = -1;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
            if (b.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width) + static_cast<std::size_t>(x)) * 4 + 3] > 128) {
                if (first < 0)
                    first = y;
                last = y;
            }
    return {first, last};
}

std::pair<int, int> litColumns(const TextBitmap& b)
{
    int first = -1, last = -1;
    for (int x = 0; x < b.width; ++x)
        for (int y = 0; y < b.height; ++y)
            if (b.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width) + static_cast<std::size_t>(x)) * 4 + 3] > 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

TEST_F(LabelTTFTest, ContentSizeFollowsLinesWrappingAndClipping)
{
    const float line = lineHeight(24);
    ASSERT_GT(line, 20);
    CCLabelTTF* single = CCLabelTTF::create("Carrot", "Arial", 24);
    CCLabelTTF* two = CCLabelTTF::create("Carrot\nRabbit", "Arial", 24);
    ASSERT_TRUE(single && two);
    EXPECT_FLOAT_EQ(single->getContentSize().height, line);
    EXPECT_FLOAT_EQ(two->getContentSize().height, 2 * line);
    EXPECT_GT(single->getContentSize().width, 40);
    EXPECT_EQ(single->getAnchorPoint(), CCPoint(0.5f, 0.5f));

    const char* longText = "the quick brown rabbit jumps over the lazy carrot field again and again";
    CCLabelTTF* wrapped = CCLabelTTF::create(longText, "Arial", 24, CCSize(200, 0), kCCTextAlignmentLeft);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_FLOAT_EQ(wrapped->getContentSize().width, 200);
    const float lines = wrapped->getContentSize().height / line;
    EXPECT_GE(lines, 3);
    EXPECT_FLOAT_EQ(lines, std::round(lines));

    CCLabelTTF* clipped = CCLabelTTF::create(longText, "Arial", 24, CCSize(200, 30), kCCTextAlignmentLeft);
    ASSERT_NE(clipped, nullptr);
    EXPECT_EQ(clipped->getContentSize(), CCSize(200, 30));

    two->setString("Carrot");
    EXPECT_FLOAT_EQ(two->getContentSize().height, line);
    EXPECT_EQ(two->getTextureRect().size, two->getContentSize());
    EXPECT_EQ(two->debugText(), "Carrot");
    two->setString("");
    EXPECT_EQ(two->getContentSize(), CCSize(0, 0));
}

TEST_F(LabelTTFTest, ChineseBreaksBetweenAnyTwoCharactersAndWordsStayWhole)
{
    std::string error;
    TTF_Font* font = TTFRenderer::openFont(TTFRenderer::resolveFont("Arial", error), 20, error);
    ASSERT_NE(font, nullptr) << error;
    const std::string chinese = "小兔子在胡萝卜田里跳来跳去真开心啊";
    const auto lines = TTFRenderer::layoutLines(font, chinese, 100);
    ASSERT_GE(lines.size(), 3u);
    std::string joined;
    for (const std::string& l : lines) {
        int w = 0, h = 0;
        TTF_SizeUTF8(font, l.c_str(), &w, &h);
        EXPECT_LE(w, 100) << l;
        joined += l;
    }
    EXPECT_EQ(joined, chinese); // nothing lost or duplicated at the breaks

    // At any width that fits two characters, closing punctuation never starts a line and opening never
    // ends one.
    const std::string punctuated = "小兔子说（你好），胡萝卜真甜！我们走吧。";
    for (float width = 45; width <= 200; width += 7) {
        const auto ls = TTFRenderer::layoutLines(font, punctuated, width);
        std::string all;
        for (std::size_t i = 0; i < ls.size(); ++i) {
            all += ls[i];
            for (const char* closing : {"，", "！", "。", "）"})
                EXPECT_NE(ls[i].rfind(closing, 0), 0u) << "width " << width << " line " << ls[i];
            if (i + 1 < ls.size() && ls[i].size() >= 3) {
                EXPECT_NE(ls[i].substr(ls[i].size() - 3), "（") << "width " << width;
            }
        }
        EXPECT_EQ(all, punctuated);
    }

    const auto words = TTFRenderer::layoutLines(font, "carrot rabbit meadow", 90);
    for (const std::string& l : words)
        EXPECT_TRUE(l == "carrot" || l == "rabbit" || l == "meadow" || l.find(' ') != std::string::npos) << l;
    const auto hard = TTFRenderer::layoutLines(font, "\n\nx", 0);
    EXPECT_EQ(hard.size(), 3u);

    // A paragraph's own indent stays (numbered notices use it); a line made by wrapping starts at ink.
    const auto indented = TTFRenderer::layoutLines(font, "    1.carrot rabbit meadow\n    2.field", 120);
    ASSERT_GE(indented.size(), 3u);
    EXPECT_EQ(indented.front().rfind("    1.", 0), 0u) << indented.front();
    EXPECT_EQ(indented.back(), "    2.field");
    for (std::size_t i = 1; i + 1 < indented.size(); ++i)
        EXPECT_NE(indented[i][0], ' ') << indented[i];
}

TEST_F(LabelTTFTest, HorizontalAndVerticalAlignmentPlaceTheInk)
{
    struct Case {
        CCTextAlignment h;
        CCVerticalTextAlignment v;
        bool inkLeft, inkTop; // expected side of the 300 x 200 box
    } cases[] = {
        {kCCTextAlignmentLeft, kCCVerticalTextAlignmentTop, true, true},
        {kCCTextAlignmentRight, kCCVerticalTextAlignmentBottom, false, false},
    };
    for (const Case& c : cases) {
        TextRequest r;
        r.text = "Hi";
        r.fontName = "Arial";
        r.fontSize = 24;
        r.width = 300;
        r.height = 200;
        r.hAlign = c.h;
        r.vAlign = c.v;
        TextBitmap b;
        std::string error;
        ASSERT_TRUE(TTFRenderer::render(r, b, error)) << error;
        ASSERT_EQ(b.width, 300);
        ASSERT_EQ(b.height, 200);
        const auto rows = litRows(b);
        const auto cols = litColumns(b);
        EXPECT_EQ(cols.first < 50, c.inkLeft);
        EXPECT_EQ(cols.second > 250, !c.inkLeft);
        EXPECT_EQ(rows.first < 40, c.inkTop);
        EXPECT_EQ(rows.second > 160, !c.inkTop);
    }
    TextRequest centred;
    centred.text = "Hi";
    centred.fontName = "Arial";
    centred.fontSize = 24;
    centred.width = 300;
    centred.height = 200;
    centred.hAlign = kCCTextAlignmentCenter;
    centred.vAlign = kCCVerticalTextAlignmentCenter;
    TextBitmap b;
    std::string error;
    ASSERT_TRUE(TTFRenderer::render(centred, b, error));
    const auto cols = litColumns(b);
    EXPECT_NEAR((cols.first + cols.second) / 2.0, 150, 8);
    const auto rows = litRows(b);
    EXPECT_NEAR((rows.first + rows.second) / 2.0, 100, 12);
}

TEST_F(LabelTTFTest, TtfNamesGoThroughSearchPathsAndMissingOnesAreRefused)
{
    std::string error;
    const std::string system = TTFRenderer::resolveFont("Arial", error);
    const fs::path dir = fs::temp_directory_path() / ("brindle-fonts-" + std::to_string(::getpid()));
    fs::create_directories(dir / "fonts");
    fs::copy_file(system, dir / "fonts" / "simhei.ttf", fs::copy_options::overwrite_existing);
    CCFileUtils::sharedFileUtils()->setResourceRoot(dir.string());
    CCFileUtils::sharedFileUtils()->setSearchPaths({"fonts"});
    EXPECT_EQ(TTFRenderer::resolveFont("simhei.ttf", error), (dir / "fonts" / "simhei.ttf").string());
    CCLabelTTF* label = CCLabelTTF::create("你好", "simhei.ttf", 30);
    ASSERT_NE(label, nullptr);
    EXPECT_GT(label->getContentSize().width, 40);

    rendertest::LogCapture log;
    EXPECT_EQ(CCLabelTTF::create("x", "STHUPO.TTF", 20), nullptr);
    EXPECT_TRUE(log.contains("STHUPO.TTF"));
    CCFileUtils::sharedFileUtils()->setResourceRoot(fs::current_path().string());
    fs::remove_all(dir);
}
