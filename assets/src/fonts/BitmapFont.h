#pragma once
// AngelCode BMFont (text .fnt + one page .png) rendered with FreeType from a font file.

#include <cstdint>
#include <set>
#include <string>

namespace brindle::assets {

struct BitmapFontStyle {
    int pixelSize = 36;
    int outline = 2;              // dark rim around each glyph, pixels
    uint32_t fillTop = 0xffffff;  // RGB; fill is a vertical gradient top -> bottom
    uint32_t fillBottom = 0xffffff;
    uint32_t outlineColour = 0x5a2e10;
};

struct BitmapFontFiles {
    std::string fnt;
    std::string png;
};

class BitmapFont {
public:
    // Characters missing from the font file throw (the game would silently skip them).
    static BitmapFontFiles render(const std::string& fontBytes, const std::set<char32_t>& characters,
        const BitmapFontStyle& style, const std::string& faceName, const std::string& pageName);
    static std::set<char32_t> decodeUtf8(const std::string& text);
};

} // namespace brindle::assets
