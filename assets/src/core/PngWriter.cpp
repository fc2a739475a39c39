#include "core/PngWriter.h"

#include <png.h>
#include <cstring>
#include <stdexcept>

namespace brindle::assets {

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

struct ReadCursor {
    const std::string* bytes;
    size_t pos;
};

void readBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (cursor->pos + length > cursor->bytes->size())
        png_error(png, "truncated");
    std::memcpy(data, cursor->bytes->data() + cursor->pos, length);
    cursor->pos += length;
}

} // namespace

std::string PngWriter::encodeRgba(const std::vector<uint8_t>& rgba, int width, int height)
{
    if (width <= 0 || height <= 0 || rgba.size() != size_t(width) * size_t(height) * 4)
        throw std::runtime_error("png: bad image size");
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("png: encoding failed");
    }
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGBA,
        PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(rgba.data() + size_t(y) * size_t(width) * 4));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string PngWriter::encode(cairo_surface_t* surface)
{
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            uint32_t a = hasAlpha ? (p >> 24) & 0xff : 255;
            uint32_t r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
            if (a != 0 && a != 255) {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            } else if (a == 0) {
                r = g = b = 0;
            }
            uint8_t* o = &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4];
            o[0] = uint8_t(r > 255 ? 255 : r);
            o[1] = uint8_t(g > 255 ? 255 : g);
            o[2] = uint8_t(b > 255 ? 255 : b);
            o[3] = uint8_t(a);
        }
    }
    return encodeRgba(rgba, width, height);
}

bool PngWriter::decode(const std::string& bytes, std::vector<uint8_t>& rgba, int& width, int& height)
{
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    ReadCursor cursor { &bytes, 0 };
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &cursor, readBytes);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    width = int(png_get_image_width(png, info));
    height = int(png_get_image_height(png, info));
    rgba.assign(size_t(width) * size_t(height) * 4, 0);
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[size_t(y)] = rgba.data() + size_t(y) * size_t(width) * 4;
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace brindle::assets
