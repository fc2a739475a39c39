#include "fonts/BitmapFont.h"

#include "core/PngWriter.h"
#include "sheets/SheetPacker.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <vector>

namespace brindle::assets {

std::set<char32_t> BitmapFont::decodeUtf8(const std::string& text)
{
    std::set<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const uint8_t c = uint8_t(text[i]);
        char32_t cp = 0;
        int extra = 0;
        if (c < 0x80) { cp = c; }
        else if ((c >> 5) == 6) { cp = c & 0x1f; extra = 1; }
        else if ((c >> 4) == 14) { cp = c & 0x0f; extra = 2; }
        else if ((c >> 3) == 30) { cp = c & 0x07; extra = 3; }
        else { ++i; continue; }
        if (i + size_t(extra) >= text.size() + (extra ? 0 : 1) && extra) break;
        for (int k = 1; k <= extra; ++k)
            cp = cp << 6 | (uint8_t(text[i + size_t(k)]) & 0x3f);
        i += size_t(extra) + 1;
        if (cp >= 0x20 && cp != 0x7f && cp <= 0xffff) // the label reads 16-bit units
            out.insert(cp);
    }
    return out;
}

namespace {

struct Glyph {
    char32_t id;
    int width, height, xoffset, yoffset, xadvance;
    std::vector<uint8_t> rgba;
};

} // namespace

BitmapFontFiles BitmapFont::render(const std::string& fontBytes, const std::set<char32_t>& characters,
    const BitmapFontStyle& style, const std::string& faceName, const std::string& pageName)
{
    FT_Library library;
    if (FT_Init_FreeType(&library))
        throw std::runtime_error("freetype: cannot start");
    FT_Face face;
    if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(fontBytes.data()), FT_Long(fontBytes.size()), 0, &face)) {
        FT_Done_FreeType(library);
        throw std::runtime_error("freetype: cannot open the font for " + pageName);
    }
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(style.pixelSize));
    const int ascender = int(face->size->metrics.ascender >> 6);
    const int lineHeight = int(face->size->metrics.height >> 6) + style.outline;
    const int pad = style.outline;
    auto channel = [](uint32_t rgb, int shift) { return double((rgb >> shift) & 0xff); };

    std::vector<Glyph> glyphs;
    std::string missing;
    for (char32_t ch : characters) {
        const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(ch));
        if (index == 0 && ch != ' ') {
            missing += " U+" + std::to_string(uint32_t(ch));
            continue;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL))
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        Glyph g;
        g.id = ch;
        g.width = int(bm.width) + 2 * pad;
        g.height = int(bm.rows) + 2 * pad;
        g.xoffset = slot->bitmap_left - pad;
        g.yoffset = ascender - slot->bitmap_top - pad;
        g.xadvance = int(slot->advance.x >> 6);
        if (bm.width == 0 || bm.rows == 0) { g.width = g.height = 0; glyphs.push_back(g); continue; }
        std::vector<double> cover(size_t(g.width) * size_t(g.height), 0.0);
        for (unsigned y = 0; y < bm.rows; ++y)
            for (unsigned x = 0; x < bm.width; ++x)
                cover[(y + unsigned(pad)) * unsigned(g.width) + x + unsigned(pad)] = bm.buffer[int(y) * bm.pitch + int(x)] / 255.0;
        g.rgba.assign(size_t(g.width) * size_t(g.height) * 4, 0);
        for (int y = 0; y < g.height; ++y) {
            const double t = g.height > 1 ? double(y) / (g.height - 1) : 0;
            for (int x = 0; x < g.width; ++x) {
                double rim = 0;
                for (int dy = -pad; dy <= pad; ++dy)
                    for (int dx = -pad; dx <= pad; ++dx) {
                        const int sx = x + dx, sy = y + dy;
                        if (sx < 0 || sy < 0 || sx >= g.width || sy >= g.height || dx * dx + dy * dy > pad * pad + pad)
                            continue;
                        rim = std::max(rim, cover[size_t(sy) * size_t(g.width) + size_t(sx)]);
                    }
                const double a = cover[size_t(y) * size_t(g.width) + size_t(x)];
                const double alpha = std::max(a, rim);
                uint8_t* o = &g.rgba[(size_t(y) * size_t(g.width) + size_t(x)) * 4];
                for (int k = 0; k < 3; ++k) {
                    const int shift = 16 - 8 * k;
                    const double fill = channel(style.fillTop, shift) * (1 - t) + channel(style.fillBottom, shift) * t;
                    const double value = alpha > 0 ? (fill * a + channel(style.outlineColour, shift) * (alpha - a)) / alpha : 0;
                    o[k] = uint8_t(std::clamp(value + 0.5, 0.0, 255.0));
                }
                o[3] = uint8_t(std::clamp(alpha * 255 + 0.5, 0.0, 255.0));
            }
        }
        glyphs.push_back(std::move(g));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    if (!missing.empty())
        throw std::runtime_error(pageName + ": the font lacks" + missing);

    std::vector<PackItem> items;
    std::map<std::string, const Glyph*> byName;
    for (const auto& g : glyphs) {
        if (g.width == 0)
            continue;
        PackItem item;
        item.name = std::to_string(uint32_t(g.id));
        item.width = g.width;
        item.height = g.height;
        items.push_back(item);
        byName[item.name] = &g;
    }
    int pageW = 64, pageH = 64;
    if (!items.empty() && !SheetPacker::pack(items, 1, 2048, pageW, pageH))
        throw std::runtime_error(pageName + ": glyphs do not fit one 2048 x 2048 page");
    std::vector<uint8_t> page(size_t(pageW) * size_t(pageH) * 4, 0);
    std::map<char32_t, std::pair<int, int>> places;
    for (const auto& item : items) {
        const Glyph& g = *byName[item.name];
        for (int y = 0; y < g.height; ++y)
            std::memcpy(&page[(size_t(item.y + y) * size_t(pageW) + size_t(item.x)) * 4], &g.rgba[size_t(y) * size_t(g.width) * 4],
                size_t(g.width) * 4);
        places[g.id] = { item.x, item.y };
    }

    BitmapFontFiles files;
    files.png = PngWriter::encodeRgba(page, pageW, pageH);
    std::string& f = files.fnt;
    f += "info face=\"" + faceName + "\" size=" + std::to_string(style.pixelSize)
        + " bold=0 italic=0 charset=\"\" unicode=1 stretchH=100 smooth=1 aa=1 padding=0,0,0,0 spacing=1,1\n";
    f += "common lineHeight=" + std::to_string(lineHeight) + " base=" + std::to_string(ascender) + " scaleW="
        + std::to_string(pageW) + " scaleH=" + std::to_string(pageH) + " pages=1 packed=0\n";
    f += "page id=0 file=\"" + pageName + "\"\n";
    f += "chars count=" + std::to_string(glyphs.size()) + "\n";
    for (const auto& g : glyphs) {
        const auto place = places.count(g.id) ? places[g.id] : std::pair { 0, 0 };
        f += "char id=" + std::to_string(uint32_t(g.id)) + " x=" + std::to_string(place.first) + " y="
            + std::to_string(place.second) + " width=" + std::to_string(g.width) + " height=" + std::to_string(g.height)
            + " xoffset=" + std::to_string(g.xoffset) + " yoffset=" + std::to_string(g.yoffset) + " xadvance="
            + std::to_string(g.xadvance) + " page=0 chnl=15\n";
    }
    return files;
}

} // namespace brindle::assets
