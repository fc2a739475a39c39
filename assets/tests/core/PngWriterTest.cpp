#include "core/PngWriter.h"

#include <gtest/gtest.h>

namespace brindle::assets {
namespace {

TEST(PngWriter, UndoesPremultipliedAlphaAndRoundTrips)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 2);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgba(cr, 1.0, 0.5, 0.0, 0.5); // half-transparent orange
    cairo_rectangle(cr, 0, 0, 2, 2);
    cairo_fill(cr);
    cairo_destroy(cr);
    const std::string png = PngWriter::encode(s);
    cairo_surface_destroy(s);
    cairo_surface_t* again = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 2);
    cairo_t* c = cairo_create(again);
    cairo_set_source_rgba(c, 1.0, 0.5, 0.0, 0.5);
    cairo_rectangle(c, 0, 0, 2, 2);
    cairo_fill(c);
    cairo_destroy(c);
    EXPECT_EQ(png, PngWriter::encode(again)) << "same pixels, same bytes";
    cairo_surface_destroy(again);
    EXPECT_EQ(png.find("tIME"), std::string::npos);

    std::vector<uint8_t> rgba;
    int w = 0, h = 0;
    ASSERT_TRUE(PngWriter::decode(png, rgba, w, h));
    ASSERT_EQ(w, 4);
    ASSERT_EQ(h, 2);
    EXPECT_NEAR(rgba[0], 255, 2);
    EXPECT_NEAR(rgba[1], 128, 3);
    EXPECT_NEAR(rgba[2], 0, 2);
    EXPECT_NEAR(rgba[3], 128, 2);
    EXPECT_EQ(rgba[(0 * 4 + 3) * 4 + 3], 0) << "untouched pixels stay transparent";
}

TEST(PngWriter, RefusesWhatIsNoPng)
{
    std::vector<uint8_t> rgba;
    int w = 0, h = 0;
    EXPECT_FALSE(PngWriter::decode("", rgba, w, h));
    EXPECT_FALSE(PngWriter::decode("\x89PNG\r\n\x1a\n garbage", rgba, w, h));
    EXPECT_THROW(PngWriter::encodeRgba({ 1, 2, 3 }, 1, 1), std::runtime_error);
}

} // namespace
} // namespace brindle::assets
