// The AngelCode text .fnt format as the label reads it: one page, glyph rectangles, offsets,
// advances and kerning pairs. Pure parsing, no textures, so the fuzzer and the probe can use it.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace cocos2d {

struct BMFontDef {
    unsigned id = 0;
    float x = 0, y = 0, width = 0, height = 0; // in the page image, pixels, y down
    int xOffset = 0, yOffset = 0, xAdvance = 0;
};

struct BMFontData {
    int lineHeight = 0;
    int base = 0;
    int scaleW = 0, scaleH = 0;
    int padding[4] = {0, 0, 0, 0}; // top, right, bottom, left
    std::string pageFile;          // as written, relative to the .fnt's folder
    std::map<unsigned, BMFontDef> chars;
    std::map<std::uint64_t, int> kerning; // (first << 32 | second) -> amount

    int kerningAmount(unsigned first, unsigned second) const;
};

// False with a reason when the text is no usable font (no common line, more than one page, no page 0).
bool parseFnt(const std::string& text, BMFontData& out, std::string& error);

} // namespace cocos2d
