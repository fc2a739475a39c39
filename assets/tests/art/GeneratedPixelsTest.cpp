// Pixels probed at known places of a few pictures whose look the screens rely on.

#include "TestSupport.h"

#include "core/FileUtil.h"
#include "core/PngWriter.h"

#include <gtest/gtest.h>

namespace brindle::assets::testing {
namespace {

struct Image {
    std::vector<uint8_t> rgba;
    int w = 0, h = 0;
    const uint8_t* at(double fx, double fy) const
    {
        const int x = std::min(w - 1, int(fx * w)), y = std::min(h - 1, int(fy * h));
        return &rgba[(size_t(y) * size_t(w) + size_t(x)) * 4];
    }
};

Image load(const std::string& relative)
{
    Image img;
    PngWriter::decode(readFile(generatedTree() / relative), img.rgba, img.w, img.h);
    return img;
}

TEST(GeneratedPixels, PicturesShowWhatTheirNamesPromise)
{
    enum class Hue { Red, Green, Blue, Orange, Gold, White, Any };
    const struct {
        const char* file;
        double x, y; // fractions of the picture
        int minAlpha, maxAlpha;
        Hue hue;
    } probes[] = {
        { "images_1440X960/common_btn.png", 0.5, 0.45, 250, 255, Hue::Orange },   // button face
        { "images_1440X960/common_btn.png", 0.0, 0.0, 0, 10, Hue::Any },          // rounded corner stays clear
        { "images_1440X960/common_btn2.png", 0.5, 0.45, 250, 255, Hue::Green },
        { "images_1440X960/answer_right.png", 0.2, 0.5, 250, 255, Hue::Green },
        { "images_1440X960/answer_error.png", 0.2, 0.5, 250, 255, Hue::Red },
        { "images_1440X960/red1.png", 0.5, 0.3, 250, 255, Hue::Red },
        { "images_1440X960/blue2.png", 0.5, 0.3, 250, 255, Hue::Blue },
        { "images_1440X960/yellow1.png", 0.5, 0.3, 250, 255, Hue::Gold },
        { "images_1440X960/stars.png", 0.5, 0.5, 200, 255, Hue::White },          // soft star: bright centre
        { "images_1440X960/stars.png", 0.02, 0.02, 0, 10, Hue::Any },             // and clear edges
        { "images_1440X960/64.png", 0.5, 0.5, 200, 255, Hue::White },
        { "images_1440X960/64.png", 0.0, 0.5, 0, 10, Hue::Any },
        { "images_1440X960/common_alertBg.png", 0.5, 0.5, 250, 255, Hue::White }, // cream panel centre
        { "images_1440X960/bg_main.png", 0.5, 0.05, 255, 255, Hue::Blue },        // sky
        { "images_1440X960/bg_main.png", 0.05, 0.97, 255, 255, Hue::Green },      // field
        { "images_1440X960/wenda_zitibeijingjinse.png", 0.1, 0.5, 250, 255, Hue::Gold },
        { "images_1440X960/wenda_zitibeijinglanzhenvgchang.png", 0.1, 0.5, 250, 255, Hue::Blue },
    };
    for (const auto& p : probes) {
        const Image img = load(p.file);
        ASSERT_GT(img.w, 0) << p.file;
        const uint8_t* px = img.at(p.x, p.y);
        const int r = px[0], g = px[1], b = px[2], a = px[3];
        SCOPED_TRACE(std::string(p.file) + " at " + std::to_string(p.x) + "," + std::to_string(p.y) + " rgba "
            + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b) + "," + std::to_string(a));
        EXPECT_GE(a, p.minAlpha);
        EXPECT_LE(a, p.maxAlpha);
        switch (p.hue) {
        case Hue::Red: EXPECT_TRUE(r > 180 && g < 120 && b < 120); break;
        case Hue::Green: EXPECT_TRUE(g > 140 && g > r + 30 && g > b + 30); break;
        case Hue::Blue: EXPECT_TRUE(b > 150 && b > r + 40); break;
        case Hue::Orange: EXPECT_TRUE(r > 220 && g > 100 && g < 200 && b < 100); break;
        case Hue::Gold: EXPECT_TRUE(r > 200 && g > 150 && b < 130); break;
        case Hue::White: EXPECT_TRUE(r > 220 && g > 210 && b > 180); break;
        case Hue::Any: break;
        }
    }
}

TEST(GeneratedPixels, ChineseFontGlyphsAreWhiteForTinting)
{
    // The game tints Chinese.fnt; a coloured fill would tint wrongly.
    const Image page = load("fonts/Chinese.png");
    ASSERT_GT(page.w, 0);
    // Glyph bodies are neutral white (the rim around them is dark): no coloured fill.
    size_t bright = 0, tinted = 0;
    for (size_t i = 0; i < page.rgba.size(); i += 4) {
        const int r = page.rgba[i], g = page.rgba[i + 1], b = page.rgba[i + 2];
        if (page.rgba[i + 3] == 255 && r + g + b > 700) {
            ++bright;
            tinted += std::max({ r, g, b }) - std::min({ r, g, b }) > 20;
        }
    }
    EXPECT_GT(bright, 1000u);
    EXPECT_EQ(tinted, 0u);
}

} // namespace
} // namespace brindle::assets::testing
