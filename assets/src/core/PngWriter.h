#pragma once
// PNG encoding of cairo surfaces. The bytes depend only on the pixels: no time or
// text chunks, fixed compression settings, so repeated runs give identical files.

#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

namespace brindle::assets {

class PngWriter {
public:
    // Straight (non-premultiplied) RGBA, row by row, top row first.
    static std::string encodeRgba(const std::vector<uint8_t>& rgba, int width, int height);
    // An ARGB32 or RGB24 image surface; cairo's premultiplied alpha is undone.
    static std::string encode(cairo_surface_t* surface);
    // Decodes a PNG written by anyone into straight RGBA; false on malformed input.
    static bool decode(const std::string& png, std::vector<uint8_t>& rgba, int& width, int& height);
};

} // namespace brindle::assets
